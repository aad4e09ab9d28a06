// KyReplace: the console replace program.
#include "RunKyReplace.h"

int main(int argc, char** argv)
{
    return Kyvant::RunKyReplace(argc, argv);
}
