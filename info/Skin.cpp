#include "info/Skin.h"

#include "base/PublicDim.h"
#include "base/SkipOnError.h"
#include "base/DataFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QWidget>

namespace {

// A skin is a page or two of text; anything much larger is not one.
constexpr qint64 MaxSkinBytes = 1 << 20;

// Braces must pair up outside comments and quoted strings, and there must be
// at least one rule: Qt takes almost any text without a brace for a style
// sheet (an HTML page, a sentence) and silently does nothing with it.
bool wellFormed(const QString &text)
{
    int depth = 0;
    bool rule = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('/') && i + 1 < text.size() && text[i + 1] == QLatin1Char('*')) {
            const qsizetype end = text.indexOf(QLatin1String("*/"), i + 2);
            if (end < 0)
                return false;
            i = end + 1;
            continue;
        }
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            qsizetype j = i + 1;
            while (j < text.size() && text[j] != c && text[j] != QLatin1Char('\n'))
                j += text[j] == QLatin1Char('\\') ? 2 : 1;
            if (j >= text.size() || text[j] != c)
                return false;
            i = j;
            continue;
        }
        if (c == QLatin1Char('{')) {
            ++depth;
            rule = true;
        } else if (c == QLatin1Char('}')) {
            if (--depth < 0)
                return false;
        } else if (c.isNull() || (c.category() == QChar::Other_Control && !c.isSpace())) {
            return false;   // binary
        }
    }
    return depth == 0 && rule;
}

// Qt reports a style sheet it cannot parse only as a warning, when a widget
// that carries it is polished. A probe widget is polished with the sheet
// while that warning is listened for.
bool g_parseFailed = false;
QtMessageHandler g_previousHandler = nullptr;

void listenForParseFailure(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.contains(QLatin1String("Could not parse")))
        g_parseFailed = true;
    else if (g_previousHandler)
        g_previousHandler(type, context, message);
}

bool qtParses(const QString &sheet)
{
    g_parseFailed = false;
    g_previousHandler = qInstallMessageHandler(listenForParseFailure);
    {
        QWidget probe;
        probe.setStyleSheet(sheet);
        probe.ensurePolished();
    }
    qInstallMessageHandler(g_previousHandler);
    g_previousHandler = nullptr;
    return !g_parseFailed;
}

// Images named by a relative url() are found beside the skin file, wherever
// the program was started from (Qt itself would look in the current folder).
QString resolveImages(const QString &sheet, const QString &folder)
{
    static const QRegularExpression url(QStringLiteral("url\\(\\s*([\"']?)([^\"')]+)\\1\\s*\\)"));
    QString out;
    qsizetype done = 0;
    for (auto it = url.globalMatch(sheet); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString path = m.captured(2).trimmed();
        if (QDir::isRelativePath(path) && !path.startsWith(QLatin1Char(':')))
            path = QDir(folder).absoluteFilePath(path);
        out += sheet.mid(done, m.capturedStart() - done) + QStringLiteral("url(\"") + path + QStringLiteral("\")");
        done = m.capturedEnd();
    }
    return out + sheet.mid(done);
}

} // namespace

bool Skin::isStyleSheet(const QString &text)
{
    return wellFormed(text) && qtParses(text);
}

bool Skin::load(const QString &path)
{
    m_sheet.clear();
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > MaxSkinBytes)
        return false;
    const QByteArray bytes = file.read(MaxSkinBytes + 1);
    if (bytes.size() > MaxSkinBytes || bytes.contains('\0'))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = resolveImages(utf8.decode(bytes), QFileInfo(path).absolutePath());
    if (utf8.hasError() || !isStyleSheet(text))
        return false;
    m_sheet = text;
    return true;
}

bool Skin::apply(QWidget *window) const
{
    if (!window || m_sheet.isEmpty())
        return false;
    window->setStyleSheet(m_sheet);
    return true;
}

QString skinFilePath(const QString &programFolder)
{
    return DataFolders::locate(QLatin1String(Skin::FileName), programFolder);
}

void SkinMainWindow(QWidget *window) noexcept
{
    try {
        Skin skin;
        QString path;
        skipOnError([&] { path = skinFilePath(PublicDim::AppFolder); });
        if (skipOnError([&] { skin.load(path); }) && skin.isLoaded())
            skipOnError([&] { skin.apply(window); });
    } catch (...) {
        // Nothing a skin does may stop the program.
    }
}
