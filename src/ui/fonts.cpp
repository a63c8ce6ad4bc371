#include "ui/fonts.h"

#include <QFont>
#include <QStringList>

namespace ksm::ui {

void InstallFontSubstitutes() {
    static const bool kInstalled = [] {
        QFont::insertSubstitutions(
            QStringLiteral("MS Sans Serif"),
            QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
        return true;
    }();
    (void)kInstalled;
}

}  // namespace ksm::ui
