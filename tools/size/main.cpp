// vantor-size: see SizeTool.h.
#include "size/SizeTool.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    QString error;
    const auto command = vantor::size::ParseSizeArguments(arguments, error);
    if (!command) {
        std::fprintf(stderr, "vantor-size: %s\n%s", qPrintable(error), qPrintable(vantor::size::SizeUsage()));
        return vantor::size::ExitUsage;
    }
    const auto result = vantor::size::RunSizing(*command, error);
    if (!result) {
        std::fprintf(stderr, "vantor-size: %s\n", qPrintable(error));
        return vantor::size::ExitBadData;
    }
    std::printf("%s\n", QJsonDocument(*result).toJson(QJsonDocument::Indented).constData());
    return vantor::size::ExitSuccess;
}
