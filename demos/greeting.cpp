// greeting: keeps a greeting in a std::string and prints it. The text
// carries its own line feed, so an empty line follows the greeting.

#include <iostream>
#include <string>

int main()
{
    const std::string greeting = "Hello World!\n";
    std::cout << greeting << std::endl;
    return 0;
}
