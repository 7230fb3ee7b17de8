#include "program.h"

int main(int argc, char *argv[])
{
    return RunKordal(argc, argv);
}
