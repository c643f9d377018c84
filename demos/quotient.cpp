// quotient: dividing a double by an int converts the int to a double first,
// so the division is a real division, not an integer one.

#include <iostream>

int main()
{
    constexpr double dividend = 10.0;
    constexpr int divisor = 3;
    const double quotient = dividend / divisor;  // 10.0 / 3.0
    std::cout << quotient << std::endl;
    return 0;
}
