// arrays: reads two numbers into a two-element array, echoes both and
// prints their sum.

#include <iostream>

int main()
{
    // Entries that cannot be read stay 0.
    double i[2] = {0.0, 0.0};

    std::cout << "Eingabe i[0]: ";
    std::cin >> i[0];
    std::cout << "Eingabe i[1]: ";
    std::cin >> i[1];

    std::cout << "i[0]=" << i[0] << " i[1]=" << i[1] << std::endl;
    std::cout << "i[0]+i[1]=" << i[0] + i[1] << std::endl;
    return 0;
}
