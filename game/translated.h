// The plain layers' Translate (rules/words.h) over the program's
// translations: what the user reads in the language the program was started
// in. Qt Core only.
#pragma once

#include <QCoreApplication>
#include <string>

namespace orbel {

inline std::string translated(const char* context, const char* english) {
    return QCoreApplication::translate(context, english).toStdString();
}

}  // namespace orbel
