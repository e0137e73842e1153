#ifndef KEYFILE_H
#define KEYFILE_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A key file as desktop files and GLib's GKeyFile write it: groups in brackets, "Key=value" lines,
// "Key[de]=value" for a language, and comment lines beginning with '#'. It keeps every line it
// read, comments and keys it was not asked about included, so that a file saved after a change
// differs from the one read only where a value was set or removed.
class KeyFile
{
public:
    // Reads UTF-8 text. On a line that is neither a group, a key nor a comment it returns false
    // and sets errorLine (1-based) and error.
    bool parse(const QByteArray &text, int *errorLine, QString *error);
    QByteArray toData() const;

    QStringList groups() const;
    bool hasGroup(const QString &group) const;
    // The line of the group's header; 0 for a group not in the file.
    int groupLine(const QString &group) const;

    // The value of a key, unescaped as GKeyFile does (\s \n \t \r \\); the last one wins when the
    // key is there twice, as in GKeyFile.
    bool hasKey(const QString &group, const QString &key, const QString &locale = {}) const;
    QString value(const QString &group, const QString &key, const QString &locale = {}) const;
    // The line the key is on; 0 when it is not in the group.
    int keyLine(const QString &group, const QString &key, const QString &locale = {}) const;
    // Every language the group has the key in, as written between the brackets.
    QStringList locales(const QString &group, const QString &key) const;

    // Replaces the value where the key is, or adds the key at the end of its group, adding the
    // group at the end of the file when it is not there.
    void setValue(const QString &group, const QString &key, const QString &value,
                  const QString &locale = {});
    // Removes the key in every language.
    void removeKey(const QString &group, const QString &key);
    void removeGroup(const QString &group);

    static QString escaped(const QString &value);
    static QString unescaped(const QString &value);

private:
    struct Line
    {
        QString text; // as read, for comments and blank lines
        QString key; // empty for a comment or a blank line
        QString locale; // "de" for Key[de]
        QString value; // unescaped
        int number = 0;
    };
    struct Group
    {
        QString name; // empty for the comments before the first group
        int number = 0;
        QList<Line> lines;
    };

    const Group *findGroup(const QString &name) const;
    Group *findGroup(const QString &name);
    const Line *findLine(const QString &group, const QString &key, const QString &locale) const;

    // The first holds the lines before the first group.
    QList<Group> groupList {Group()};
};

#endif
