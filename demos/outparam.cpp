// outparam: a function changes its caller's variable through a reference
// parameter.

#include <iostream>

namespace {

// Stores 11 in the caller's variable, whatever it held.
void change(int& number)
{
    number = 11;
}

}  // namespace

int main()
{
    int number = 10;
    change(number);
    std::cout << number << std::endl;
    return 0;
}
