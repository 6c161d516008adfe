// What a screen reader finds for a menu item. Qt's own description keeps a
// shortcut where Orca reads a mnemonic and never says it; this one gives it
// in the "mnemonic;sequence;shortcut" form AT-SPI readers take apart, so a
// reader says "New 1 Player Game, Control+N".
#pragma once

class QAccessibleInterface;
class QObject;

namespace orbel {

// The description of `object` when it is a menu item of a menu or menu bar,
// else nullptr (for the accessibility factory).
QAccessibleInterface* describeMenuItem(QObject* object);

}  // namespace orbel
