// gastable: reads the volume, the amount of gas, a temperature range and a
// step from "input.dat", checks that they describe a table that can be
// printed, and prints the pressure of an ideal gas at each temperature.

#include <fstream>
#include <iostream>
#include <limits>

namespace {

constexpr double R = 8.31441;             // molar gas constant, J/(mol K)
constexpr double celsiusOffset = 273.15;  // 0 degrees Celsius in kelvin
constexpr int maxSteps = 15;              // a table has fewer points than this

// Reads volume, amount, start, end and step, in that order, from
// "input.dat" in the current directory. Reading stops at the first entry
// that is not a number (that parameter reads as 0) or where the file ends
// or cannot be read; the parameters not reached keep their values.
void readInput(double& volume, double& amount, double& start, double& end, double& step)
{
    std::ifstream file("input.dat");
    file >> volume >> amount >> start >> end >> step;
}

// The number of temperature points from start to end: the quotient
// (end - start) / step truncated toward zero, plus one. When that count
// cannot be formed as an int (the quotient is not a number, its truncation
// lies outside int's range, or adding one would overflow), there is no
// usable count and the result is 0.
int pointCount(double start, double end, double step)
{
    const double quotient = (end - start) / step;
    constexpr double lowest = std::numeric_limits<int>::min() - 1.0;
    constexpr double highest = std::numeric_limits<int>::max() + 1.0;
    if (!(quotient > lowest && quotient < highest)) {
        return 0;
    }
    const int whole = static_cast<int>(quotient);
    if (whole == std::numeric_limits<int>::max()) {
        return 0;
    }
    return whole + 1;
}

// 1 when adding step again and again to start, as the table does, raises
// the temperature every time until it reaches end; 0 when some addition
// leaves it unchanged, so that the table would never end. Each addition
// that does raise the temperature raises it by at least half a step, so
// this ends after at most about twice as many additions as the table has
// rows.
int reachesEnd(double start, double end, double step)
{
    // The temperature is a double on purpose: this repeats the table's own loop.
    // NOLINTNEXTLINE(cert-flp30-c,clang-analyzer-security.FloatLoopCounter)
    for (double T = start; end > T; T += step) {
        if (!(T + step > T)) {
            return 0;
        }
    }
    return 1;
}

// 1 when the parameters describe a table that can be printed, 0 otherwise.
// Every comparison fails for a value that is not a number.
int sensible(double volume, double amount, double start, double end, double step)
{
    const int points = pointCount(start, end, step);
    const bool plausible = volume > 0 && amount > 0 && step > 0 && points < maxSteps &&
                           points > 0 && start >= 0 && reachesEnd(start, end, step) == 1;
    return plausible ? 1 : 0;
}

void printWarning()
{
    std::cerr << "Your input is not sensible!" << std::endl;
}

void printTitle(double volume, double amount, double start, double end, double step)
{
    std::cout << "Printing of pressure as a function of temperature" << std::endl;
    std::cout << "Volume of system is " << volume << " m^3" << std::endl;
    std::cout << amount << " moles of gas" << std::endl;
    std::cout << "Temperatures from " << start << " to " << end << " K" << std::endl;
    std::cout << "Using a step size of " << step << std::endl;
    std::cout << "Temp [K]\tTemp [C]\tP [Pa]" << std::endl;
}

// Pressure in Pa of an ideal gas: amount in mol, temperature in K and
// volume in m^3.
double P(double volume, double amount, double temperature)
{
    return amount * R * temperature / volume;
}

}  // namespace

int main()
{
    // Parameters the file does not supply stay 0, which is never sensible.
    double volume = 0.0;
    double amount = 0.0;
    double start = 0.0;
    double end = 0.0;
    double step = 0.0;
    readInput(volume, amount, start, end, step);

    if (sensible(volume, amount, start, end, step) == 0) {
        printWarning();
        return 1;
    }

    printTitle(volume, amount, start, end, step);
    // The temperature is accumulated step by step, never recomputed from
    // start, so the rows show exactly the temperatures the loop visits;
    // sensible() has made sure that this ends.
    // NOLINTNEXTLINE(cert-flp30-c,clang-analyzer-security.FloatLoopCounter)
    for (double T = start; end > T; T += step) {
        const double p = P(volume, amount, T);
        std::cout << T << "\t\t" << T - celsiusOffset << "\t\t" << p << std::endl;
    }

    // A table that could not be written must not be reported as a success.
    if (!std::cout.flush()) {
        std::cerr << "Could not write the table!" << std::endl;
        return 1;
    }
    return 0;
}
