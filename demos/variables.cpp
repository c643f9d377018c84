// variables: a loop's counter is a variable of its own. The loop below
// declares its own i, which hides the outer i while the loop runs and
// leaves it untouched.

#include <iostream>

int main()
{
    int i = 20;
    std::cout << "Before for: " << i << std::endl;

    // cppcheck-suppress shadowVariable ; hiding the outer i is what this program shows
    for (int i = 0; i <= 9; ++i) {
        std::cout << "Within for: " << i << std::endl;
    }

    std::cout << "After for: " << i << std::endl;
    return 0;
}
