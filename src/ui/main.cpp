#include <QStringList>
#include <cstdio>

#include "ui/application.h"

int main(int argc, char** argv) {
    // The command line is read before any window system is needed, so a wrong option is
    // reported even where no display is reachable.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    ksm::ui::Options options;
    std::string error;
    if (!ksm::ui::ParseOptions(arguments, options, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    ksm::ui::Application app(argc, argv);
    ksm::ui::Run(app, options);
    return 0;
}
