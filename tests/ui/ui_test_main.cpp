#include <gtest/gtest.h>

#include "ui/application.h"

// The window tests need one application object for the whole run: the tool's own, so that
// its handling of errors that escape event handlers is tested too.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    ksm::ui::Application app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
