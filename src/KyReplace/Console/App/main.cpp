// KyReplace: the console replace program.
#include "KyReplace/Console/App/RunKyReplace.h"

int main(int argc, char** argv)
{
    return Kyvant::RunKyReplace(argc, argv);
}
