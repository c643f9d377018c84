/* The floor of the start-up benchmark: a dynamically linked C program that
 * writes one line, the least a console program here can cost. */
#include <stdio.h>

int main(void)
{
    puts("Hello World!");
    return 0;
}
