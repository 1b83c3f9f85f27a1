// The updater's command line: where the staged files are, where they go, and
// which translation file and language the dialog uses.
#pragma once

#include "common/uGlobals.h"

#include <QString>
#include <QStringList>

namespace vantor {

struct TPaths {
    QString Source;     // the staging folder
    QString MainData;   // destination of the staged "Data/" folder
    QString Catalogues; // destination of the staged "Catalogues/" folder
};

// The one set of folders of the process.
extern TPaths Paths;

// Interprets one parameter "/NAME=value": /SP=, /DP=, /CP= (folders, given a
// trailing "/"), /LF= (translation file) and /LI= (language, upper-cased).
// Names are compared without regard to case; a later value wins; anything
// else, or a parameter without "=", is ignored.
void ParseParameter(const QString& AParameter, TPaths& APaths = Paths, TGlobalSetupData& ASetup = GlobalSetupData);

// Parses every parameter (the program name is not among them) and tells
// whether the set is usable: the translation file exists, the language is
// given, and the three folders exist.
[[nodiscard]] bool ReadInputParameters(const QStringList& AParameters, TPaths& APaths = Paths,
                                       TGlobalSetupData& ASetup = GlobalSetupData);

} // namespace vantor
