// arrays: reads two numbers into a two-element array, echoes both and
// prints their sum.

#include <iostream>

int main()
{
    // An entry that is not a number makes extraction store 0 (and every
    // later read fail); an entry that input ends before leaves its 0.
    double i[2] = {0.0, 0.0};

    std::cout << "Eingabe i[0]: ";
    std::cin >> i[0];
    std::cout << "Eingabe i[1]: ";
    std::cin >> i[1];

    std::cout << "i[0]=" << i[0] << " i[1]=" << i[1] << std::endl;
    std::cout << "i[0]+i[1]=" << i[0] + i[1] << std::endl;
    return 0;
}
