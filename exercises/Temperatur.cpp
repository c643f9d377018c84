// Temperatur: reads a temperature in degrees Celsius and prints it in
// degrees Fahrenheit.

#include <iostream>

namespace {

double convert(double celsius)
{
    return celsius * 1.8 + 32;
}

}  // namespace

int main()
{
    // An entry that is not a number makes extraction store 0; end of input
    // leaves this 0.
    double celsius = 0.0;
    std::cout << "Eingabe in Celsius: ";
    std::cin >> celsius;

    const double fahrenheit = convert(celsius);
    std::cout << "temp. ist:" << fahrenheit << "Fahrenheit." << std::endl;
    return 0;
}
