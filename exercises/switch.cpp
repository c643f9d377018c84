// switch: reads a numbered choice and answers it through a switch with a
// default case.

#include <iostream>

int main()
{
    // An entry that is not a number makes extraction store 0, and one too
    // large for an int the largest or smallest int; end of input leaves
    // this 0. None of them is a valid choice.
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
