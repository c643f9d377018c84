// strings: a char is written as the character itself, not as its code.

#include <iostream>

int main()
{
    constexpr char letter = 'A';
    std::cout << letter << std::endl;
    return 0;
}
