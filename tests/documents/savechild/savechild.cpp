// Saves one of two versions of a file over and over until it is killed. The killed-save test
// kills it at many instants and checks what is left on disk.
#include "killedsaveversions.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString kind = QString::fromLocal8Bit(argv[1]);
    const QString path = QString::fromLocal8Bit(argv[2]);
    std::puts("saving");
    std::fflush(stdout);
    for (int round = 0;; ++round) {
        if (!WriteKilledSaveVersion(kind, path, round % 2))
            return 1;
        std::printf("wrote %d\n", round);
        std::fflush(stdout);
    }
}
