#include <cstdio>

int main()
{
    std::puts("Marrowdale: the chess rules and the game store are built; "
              "the program window is not built yet.");
    return 0;
}
