#include "platform/url_opener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QUrl>

namespace quillo::platform {

namespace {

constexpr auto kHtmlType = "text/html";

QStringList splitDirs(const QString &value, const QString &fallback)
{
    QStringList dirs = (value.isEmpty() ? fallback : value).split(u':', Qt::SkipEmptyParts);
    return dirs;
}

QString homeDir(const QProcessEnvironment &env)
{
    QString home = env.value(QStringLiteral("HOME"));
    return home.isEmpty() ? QDir::homePath() : home;
}

QStringList applicationDirs(const QProcessEnvironment &env)
{
    QString dataHome = env.value(QStringLiteral("XDG_DATA_HOME"));
    if (dataHome.isEmpty())
        dataHome = homeDir(env) + QStringLiteral("/.local/share");
    QStringList dirs{dataHome};
    dirs += splitDirs(env.value(QStringLiteral("XDG_DATA_DIRS")),
                      QStringLiteral("/usr/local/share:/usr/share"));
    for (QString &dir : dirs)
        dir += QStringLiteral("/applications");
    return dirs;
}

// mimeapps.list files in the order the freedesktop MIME rules read them.
QStringList mimeappsLists(const QProcessEnvironment &env)
{
    QString configHome = env.value(QStringLiteral("XDG_CONFIG_HOME"));
    if (configHome.isEmpty())
        configHome = homeDir(env) + QStringLiteral("/.config");
    QStringList dirs{configHome};
    dirs += splitDirs(env.value(QStringLiteral("XDG_CONFIG_DIRS")), QStringLiteral("/etc/xdg"));
    dirs += applicationDirs(env);
    QStringList files;
    for (const QString &dir : dirs)
        files << dir + QStringLiteral("/mimeapps.list");
    return files;
}

// Reads one "key=value" line under a group header. QSettings would take the
// desktop files' semicolons and backslashes for its own syntax, so the
// freedesktop format is read by hand.
QString readKey(const QString &path, const QString &group, const QString &key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QString header = u'[' + group + u']';
    bool inGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            inGroup = line == header;
            continue;
        }
        if (!inGroup || line.startsWith(u'#'))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0 && line.left(equals).trimmed() == key)
            return line.mid(equals + 1).trimmed();
    }
    return {};
}

QString findDesktopFile(const QString &id, const QStringList &dirs)
{
    for (const QString &dir : dirs) {
        const QString path = dir + u'/' + id;
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QString defaultHtmlDesktopFile(const QProcessEnvironment &env)
{
    const QStringList dirs = applicationDirs(env);
    const auto firstInstalled = [&](const QString &ids) -> QString {
        for (const QString &id : ids.split(u';', Qt::SkipEmptyParts)) {
            const QString path = findDesktopFile(id.trimmed(), dirs);
            if (!path.isEmpty())
                return path;
        }
        return {};
    };
    const QStringList lists = mimeappsLists(env);
    for (const QString &group :
         {QStringLiteral("Default Applications"), QStringLiteral("Added Associations")}) {
        for (const QString &list : lists) {
            const QString path = firstInstalled(readKey(list, group, QString::fromLatin1(kHtmlType)));
            if (!path.isEmpty())
                return path;
        }
    }
    for (const QString &dir : dirs) {
        const QString path = firstInstalled(readKey(dir + QStringLiteral("/mimeinfo.cache"),
                                                    QStringLiteral("MIME Cache"),
                                                    QString::fromLatin1(kHtmlType)));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

QString unescapeString(const QString &value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != u'\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value[++i];
        switch (next.unicode()) {
        case u's': out += u' '; break;
        case u'n': out += u'\n'; break;
        case u't': out += u'\t'; break;
        case u'r': out += u'\r'; break;
        default: out += u'\\'; out += next; break;
        }
    }
    return out;
}

bool isFieldCode(QChar c)
{
    return QStringLiteral("fFuUdDnNickvm").contains(c);
}

// Splits an Exec value into arguments and stops at the first field code.
QStringList execArgumentsBeforeFieldCode(const QString &exec)
{
    QStringList args;
    QString current;
    bool inQuotes = false;
    bool hasToken = false;
    const auto finish = [&] {
        if (hasToken)
            args << current;
        current.clear();
        hasToken = false;
    };
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (inQuotes) {
            if (c == u'"') {
                inQuotes = false;
            } else if (c == u'\\' && i + 1 < exec.size()) {
                current += exec[++i];
            } else if (c == u'%' && i + 1 < exec.size() && isFieldCode(exec[i + 1])) {
                finish();
                return args;
            } else {
                current += c;
            }
        } else if (c == u'"') {
            inQuotes = true;
            hasToken = true;
        } else if (c == u' ' || c == u'\t') {
            finish();
        } else if (c == u'%' && i + 1 < exec.size()) {
            if (exec[i + 1] == u'%') {
                current += u'%';
                hasToken = true;
                ++i;
            } else if (isFieldCode(exec[i + 1])) {
                finish();
                return args;
            } else {
                current += c;
                hasToken = true;
            }
        } else {
            current += c;
            hasToken = true;
        }
    }
    finish();
    return args;
}

} // namespace

bool openWithDesktop(const QString &address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

QStringList htmlHandlerCommand(const QProcessEnvironment &environment)
{
    const QString desktopFile = defaultHtmlDesktopFile(environment);
    if (desktopFile.isEmpty())
        return {};
    const QString exec = readKey(desktopFile, QStringLiteral("Desktop Entry"), QStringLiteral("Exec"));
    return execArgumentsBeforeFieldCode(unescapeString(exec));
}

bool openWithHtmlHandler(const QString &address, const QProcessEnvironment &environment)
{
    const QStringList command = htmlHandlerCommand(environment);
    if (command.isEmpty())
        return false;
    return QProcess::startDetached(command.first(), command.mid(1) << address);
}

} // namespace quillo::platform
