#include "startup.h"

int main(int argc, char **argv)
{
    return runQcm(argc, argv);
}
