#include "app/TalloxApplication.h"

int main(int argc, char** argv)
{
    TalloxApplication app(argc, argv);
    return 0;
}
