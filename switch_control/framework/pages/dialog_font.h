#pragma once

#include <QFont>
#include <string>

namespace tumbler::framework {

// Dialogs and controls name the platform's Japanese Gothic, "ＭＳ Ｐゴシック" (or
// its Latin name). Where that face is missing it is substituted by an installed
// Gothic twin (IPA P Gothic first), so Japanese texts keep their look.
void InstallGothicSubstitutes();

// A dialog font of `family` at `pointSize`, with the substitutes in place.
QFont DialogFont(const std::string& family, double pointSize);

}  // namespace tumbler::framework
