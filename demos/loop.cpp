// loop: counts from 1 to 9 with a for loop, one number per line.

#include <iostream>

int main()
{
    for (int counter = 1; counter <= 9; ++counter) {
        std::cout << counter << std::endl;
    }
    return 0;
}
