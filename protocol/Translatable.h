#pragma once
// Marks the texts of a table as the program's own words, for the translation
// tools, without pulling in any toolkit: the text stays the English source
// text it is (files and the device always get that one), and the shells show
// it through QCoreApplication::translate(context, text).
//
//   inline constexpr const char* kDone = QT_TRANSLATE_NOOP("DeviceTexts", "Done");
//
// The same definition as Qt's own, so either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
