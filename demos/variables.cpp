// variables: a loop's counter is a variable of its own. The loop below
// declares its own i, which hides the outer i while the loop runs and
// leaves it untouched.

#include <iostream>

int main()
{
    int i = 20;
    std::cout << "Before for: " << i << std::endl;

    // Hiding the outer i is what this program shows, so the warnings about
    // it are silenced for this loop alone.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow"
    // cppcheck-suppress shadowVariable
    for (int i = 0; i <= 9; ++i) {
        std::cout << "Within for: " << i << std::endl;
    }
#pragma GCC diagnostic pop

    std::cout << "After for: " << i << std::endl;
    return 0;
}
