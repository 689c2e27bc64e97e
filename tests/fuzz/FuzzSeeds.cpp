// Writes the seed files of the fuzz targets of the program's own files into
// a folder: "<folder>/control/<n>.zcd" and "<folder>/drawing/<n>.zmd".
#include "FuzzEnvironment.h"
#include "tests/support/ReaderSeeds.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

bool WriteAll(const QString& folder, const char* extension,
              const std::vector<ReaderSeeds::Bytes>& seeds) {
    if (!QDir().mkpath(folder))
        return false;
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        QFile file(folder + QStringLiteral("/%1.").arg(i) + QLatin1String(extension));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(seeds[i].data()),
                       static_cast<qint64>(seeds[i].size())) !=
                static_cast<qint64>(seeds[i].size()))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds <folder>\n");
        return 2;
    }
    FuzzEnvironment::Start(&argc, &argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool written =
        WriteAll(folder + QStringLiteral("/control"), "zcd", ReaderSeeds::ControlFiles()) &&
        WriteAll(folder + QStringLiteral("/drawing"), "zmd", ReaderSeeds::OwnDrawingFiles());
    return written ? 0 : 1;
}
