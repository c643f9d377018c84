// switch: reads a numbered choice and answers it through a switch with a
// default case.

#include <iostream>

int main()
{
    // An entry that cannot be read stays 0, which is no valid choice.
    int choice = 0;
    std::cout << "Enter choice: ";
    std::cin >> choice;

    switch (choice) {
    case 1:
        std::cout << "You choose 1" << std::endl;
        break;
    case 2:
        std::cout << "You choose 2" << std::endl;
        break;
    default:
        std::cout << "Falsche Wahl" << std::endl;
        break;
    }
    return 0;
}
