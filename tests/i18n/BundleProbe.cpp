// Looks one text up through the shared localizer and prints it: the smallest program that needs
// the resource bundle.
#include "Localizer.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString text = orvelane::Localizer::shared().text(QStringLiteral("Scan"));
    std::puts(text.toUtf8().constData());
    return 0;
}
