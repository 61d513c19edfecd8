#pragma once

#include <QString>

class QWidget;

// The window skin: a Qt style sheet kept in the file "skin.cjstyles", beside
// the program or in its share folder. Loading checks that the file holds a
// style sheet Qt can use; a skin that was not loaded leaves every window in
// the platform's normal look.
class Skin
{
public:
    // Reads a skin file. False, and no skin, when the file is missing, too
    // large, not text, or not a style sheet Qt can parse.
    bool load(const QString &path);
    bool isLoaded() const { return !m_sheet.isEmpty(); }
    QString styleSheet() const { return m_sheet; }

    // Gives the window, and the windows it owns, the loaded look. Without a
    // loaded skin the window is left as it is and false is returned.
    bool apply(QWidget *window) const;

    // True when Qt can parse text as a style sheet.
    static bool isStyleSheet(const QString &text);

    static constexpr char FileName[] = "skin.cjstyles";

private:
    QString m_sheet;
};

// The skin file of a program in programFolder; empty when there is none.
QString skinFilePath(const QString &programFolder);

// The main window's skin step: loads the program's skin file and applies it
// to the window. Never throws: a missing or broken skin leaves the window as
// it is.
void SkinMainWindow(QWidget *window) noexcept;
