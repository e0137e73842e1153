#include "programs/programfile.h"

#include "session/timeline.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

namespace {

const QString programGroup = QStringLiteral("Velmora Program");
const QString nameKey = QStringLiteral("Name");
const QString descriptionKey = QStringLiteral("Description");
const QString toneKey = QStringLiteral("Tone");
const QString lengthKey = QStringLiteral("Length");
const QString beatKey = QStringLiteral("Beat");
const QString colourKey = QStringLiteral("Colour");

struct NamedColour
{
    const char *name;
    Colour colour;
};

// The colours of the built-in programs, by the names they go by there.
const NamedColour namedColours[] = {
    {"yellow", {1, 1, 0}},  {"red", {1, 0, 0}},  {"blue", {0, 0, 1}},
    {"magenta", {1, 0, 1}}, {"cyan", {0, 1, 1}},
};

QString tr(const char *text)
{
    return QCoreApplication::translate("ProgramFile", text);
}

QString stageGroup(int number)
{
    return QStringLiteral("Stage %1").arg(number);
}

// "Stage 12" gives 12; any other group 0.
int stageNumber(const QString &group)
{
    static const QRegularExpression stage(QStringLiteral("^Stage ([1-9][0-9]*)$"));
    const QRegularExpressionMatch match = stage.match(group);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// Either one value or "first to second".
std::optional<std::pair<QString, QString>> splitRamp(const QString &text)
{
    static const QRegularExpression to(QStringLiteral("\\s+to\\s+"),
                                       QRegularExpression::CaseInsensitiveOption);
    const QStringList parts = text.trimmed().split(to);
    if (parts.size() == 1)
        return std::make_pair(parts[0], parts[0]);
    if (parts.size() == 2)
        return std::make_pair(parts[0], parts[1]);
    return std::nullopt;
}

std::optional<float> parseOneBeat(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^([0-9]+(?:\\.[0-9]+)?)(?:\\s*Hz)?$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = number.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const float beat = match.captured(1).toFloat();
    if (beat < ProgramFile::lowestBeat || beat > ProgramFile::highestBeat)
        return std::nullopt;
    return beat;
}

QString numberText(double value)
{
    return QString::number(value, 'g', 6);
}

ProgramFile::Reading failed(ProgramFile::Reading reading, const QString &message)
{
    reading.program.reset();
    reading.error = message;
    return reading;
}

// The line on which text stops being UTF-8, or 0 when it is all UTF-8.
int firstLineNotUtf8(const QByteArray &data)
{
    const QList<QByteArray> lines = data.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        if (QString::fromUtf8(lines[i]).toUtf8() != lines[i])
            return i + 1;
    }
    return 0;
}

} // namespace

bool operator==(const StageLength &a, const StageLength &b)
{
    return a.kind == b.kind && a.seconds == b.seconds && a.percent == b.percent;
}

bool operator==(const StageDefinition &a, const StageDefinition &b)
{
    return a.length == b.length && a.beatFrom == b.beatFrom && a.beatTo == b.beatTo &&
        a.colourFrom == b.colourFrom && a.colourTo == b.colourTo;
}

static QString localized(const QMap<QString, QString> &texts, const QString &plain,
                         const QString &language)
{
    if (texts.contains(language))
        return texts.value(language);
    const QString base = language.section(QLatin1Char('_'), 0, 0);
    return texts.value(base, plain);
}

QString ProgramDefinition::nameFor(const QString &language) const
{
    return localized(localizedNames, name, language);
}

QString ProgramDefinition::descriptionFor(const QString &language) const
{
    return localized(localizedDescriptions, description, language);
}

std::optional<StageLength> ProgramFile::parseLength(const QString &text)
{
    const QString trimmed = text.trimmed();
    StageLength length;
    if (trimmed.compare(QLatin1String("rest"), Qt::CaseInsensitive) == 0) {
        length.kind = StageLength::Kind::Rest;
        return length;
    }
    static const QRegularExpression share(QStringLiteral("^([0-9]+(?:\\.[0-9]+)?)\\s*%$"));
    QRegularExpressionMatch match = share.match(trimmed);
    if (match.hasMatch()) {
        length.kind = StageLength::Kind::Share;
        length.percent = match.captured(1).toDouble();
        if (length.percent <= 0 || length.percent > 100)
            return std::nullopt;
        return length;
    }
    static const QRegularExpression time(
        QStringLiteral(
            "^(?:([0-9]{1,2})\\s*h)?\\s*(?:([0-9]{1,4})\\s*m)?\\s*(?:([0-9]{1,6})\\s*s)?$"),
        QRegularExpression::CaseInsensitiveOption);
    match = time.match(trimmed);
    if (!match.hasMatch() || trimmed.isEmpty())
        return std::nullopt;
    length.seconds = match.captured(1).toInt() * 3600 + match.captured(2).toInt() * 60 +
        match.captured(3).toInt();
    if (length.seconds <= 0 || length.seconds > longestTimeSeconds)
        return std::nullopt;
    return length;
}

std::optional<std::pair<float, float>> ProgramFile::parseBeat(const QString &text)
{
    const auto ramp = splitRamp(text);
    if (!ramp)
        return std::nullopt;
    const auto from = parseOneBeat(ramp->first);
    const auto to = parseOneBeat(ramp->second);
    if (!from || !to)
        return std::nullopt;
    return std::make_pair(*from, *to);
}

std::optional<Colour> ProgramFile::parseOneColour(const QString &text)
{
    const QString trimmed = text.trimmed();
    for (const NamedColour &named : namedColours) {
        if (trimmed.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
            return named.colour;
    }
    static const QRegularExpression hex(QStringLiteral("^#([0-9a-fA-F]{6})$"));
    const QRegularExpressionMatch match = hex.match(trimmed);
    if (!match.hasMatch())
        return std::nullopt;
    const uint rgb = match.captured(1).toUInt(nullptr, 16);
    return Colour {float((rgb >> 16) & 0xff) / 255, float((rgb >> 8) & 0xff) / 255,
                   float(rgb & 0xff) / 255};
}

std::optional<std::pair<Colour, Colour>> ProgramFile::parseColour(const QString &text)
{
    const auto ramp = splitRamp(text);
    if (!ramp)
        return std::nullopt;
    const auto from = parseOneColour(ramp->first);
    const auto to = parseOneColour(ramp->second);
    if (!from || !to)
        return std::nullopt;
    return std::make_pair(*from, *to);
}

QString ProgramFile::lengthText(const StageLength &length)
{
    switch (length.kind) {
    case StageLength::Kind::Rest:
        return QStringLiteral("rest");
    case StageLength::Kind::Share:
        return numberText(length.percent) + QLatin1Char('%');
    case StageLength::Kind::Time:
        break;
    }
    const int hours = length.seconds / 3600;
    const int minutes = length.seconds / 60 % 60;
    const int seconds = length.seconds % 60;
    QString text;
    if (hours)
        text += QString::number(hours) + QLatin1Char('h');
    if (minutes)
        text += QString::number(minutes) + QLatin1Char('m');
    if (seconds || text.isEmpty())
        text += QString::number(seconds) + QLatin1Char('s');
    return text;
}

QString ProgramFile::beatText(float from, float to)
{
    if (from == to)
        return numberText(from);
    return numberText(from) + QLatin1String(" to ") + numberText(to);
}

QString ProgramFile::oneColourText(const Colour &colour)
{
    for (const NamedColour &named : namedColours) {
        if (named.colour == colour)
            return QLatin1String(named.name);
    }
    const auto byte = [](float component) {
        return QStringLiteral("%1").arg(qBound(0, int(std::lround(component * 255)), 255), 2, 16,
                                        QLatin1Char('0'));
    };
    return QLatin1Char('#') + byte(colour.red) + byte(colour.green) + byte(colour.blue);
}

QString ProgramFile::colourText(const Colour &from, const Colour &to)
{
    if (from == to)
        return oneColourText(from);
    return oneColourText(from) + QLatin1String(" to ") + oneColourText(to);
}

QStringList ProgramFile::colourNames()
{
    QStringList names;
    for (const NamedColour &named : namedColours)
        names.append(QLatin1String(named.name));
    return names;
}

ProgramFile::Reading ProgramFile::read(const QString &path)
{
    Reading reading;
    QFile file(path);
    if (!file.exists())
        return failed(reading, tr("%1: there is no such file").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        return failed(reading, tr("%1: the file cannot be read: %2").arg(path, file.errorString()));
    if (file.size() > largestFileBytes)
        return failed(reading,
                      tr("%1: the file is larger than 1 MiB; a program file is a few "
                         "lines of text")
                          .arg(path));
    // A file can grow between the size and the read.
    const QByteArray data = file.read(largestFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return failed(reading, tr("%1: the file cannot be read: %2").arg(path, file.errorString()));
    if (data.size() > largestFileBytes)
        return failed(reading,
                      tr("%1: the file is larger than 1 MiB; a program file is a few "
                         "lines of text")
                          .arg(path));
    return parse(data, path);
}

ProgramFile::Reading ProgramFile::parse(const QByteArray &data, const QString &fileName)
{
    Reading reading;
    const auto atLine = [&](int line, const QString &reason) {
        return tr("%1: line %2: %3").arg(fileName).arg(line).arg(reason);
    };
    const auto atKey = [&](int stage, const QString &key, int line, const QString &reason) {
        return tr("%1: Stage %2, %3 (line %4): %5")
            .arg(fileName)
            .arg(stage)
            .arg(key)
            .arg(line)
            .arg(reason);
    };

    if (data.size() > largestFileBytes)
        return failed(reading,
                      tr("%1: the file is larger than 1 MiB; a program file is a few "
                         "lines of text")
                          .arg(fileName));
    const int zeroByte = data.indexOf('\0');
    if (zeroByte >= 0)
        return failed(reading,
                      atLine(int(data.left(zeroByte).count('\n')) + 1,
                             tr("this is not a text file (it holds a zero byte)")));
    if (const int line = firstLineNotUtf8(data))
        return failed(reading, atLine(line, tr("the text is not UTF-8")));

    int errorLine = 0;
    QString error;
    if (!reading.document.parse(data, &errorLine, &error))
        return failed(reading, atLine(errorLine, error));
    const KeyFile &document = reading.document;

    if (!document.hasGroup(programGroup))
        return failed(reading, tr("%1: there is no [Velmora Program] group").arg(fileName));
    ProgramDefinition program;
    program.name = document.value(programGroup, nameKey);
    if (program.name.trimmed().isEmpty())
        return failed(
            reading, atLine(document.groupLine(programGroup), tr("[Velmora Program] has no Name")));
    program.description = document.value(programGroup, descriptionKey);
    for (const QString &locale : document.locales(programGroup, nameKey))
        program.localizedNames.insert(locale, document.value(programGroup, nameKey, locale));
    for (const QString &locale : document.locales(programGroup, descriptionKey))
        program.localizedDescriptions.insert(locale,
                                             document.value(programGroup, descriptionKey, locale));
    if (document.hasKey(programGroup, toneKey)) {
        const QString toneValue = document.value(programGroup, toneKey);
        program.tone = ToneKinds::fromName(toneValue.trimmed().toLower());
        if (!program.tone) {
            QStringList names;
            for (ToneKind kind : ToneKinds::all())
                names << ToneKinds::name(kind);
            return failed(reading,
                          atLine(document.keyLine(programGroup, toneKey),
                                 tr("\"%1\" is not a kind of tone; write one of %2")
                                     .arg(toneValue, names.join(QLatin1String(", ")))));
        }
    }

    QMap<int, QString> stageGroups;
    for (const QString &group : document.groups()) {
        if (!group.startsWith(QLatin1String("Stage")))
            continue;
        const int number = stageNumber(group);
        if (number < 1 || number > maximumStages)
            return failed(reading,
                          atLine(document.groupLine(group),
                                 tr("[%1]: stages are numbered from 1 to %2, as [Stage 1]")
                                     .arg(group)
                                     .arg(maximumStages)));
        stageGroups.insert(number, group);
    }
    if (stageGroups.isEmpty())
        return failed(reading,
                      atLine(document.groupLine(programGroup),
                             tr("the program has no stages; add a [Stage 1] group")));

    int restStage = 0;
    double totalPercent = 0;
    for (auto stage = stageGroups.cbegin(); stage != stageGroups.cend(); ++stage) {
        const int number = stage.key();
        const QString &group = stage.value();
        for (const QString &key : {lengthKey, beatKey, colourKey}) {
            if (!document.hasKey(group, key))
                return failed(reading,
                              tr("%1: Stage %2 (line %3): there is no %4")
                                  .arg(fileName)
                                  .arg(number)
                                  .arg(document.groupLine(group))
                                  .arg(key));
        }
        StageDefinition definition;
        const QString lengthValue = document.value(group, lengthKey);
        const auto length = parseLength(lengthValue);
        if (!length)
            return failed(reading,
                          atKey(number, lengthKey, document.keyLine(group, lengthKey),
                                tr("\"%1\" is not a length; write a time such as 90s, 5m or "
                                   "1h30m, a share of the session such as 20%, or rest")
                                    .arg(lengthValue)));
        if (length->kind == StageLength::Kind::Rest) {
            if (restStage)
                return failed(
                    reading,
                    atKey(
                        number, lengthKey, document.keyLine(group, lengthKey),
                        tr("Stage %1 takes the rest already; only one stage may").arg(restStage)));
            restStage = number;
        }
        if (length->kind == StageLength::Kind::Share) {
            totalPercent += length->percent;
            if (totalPercent > 100.0001)
                return failed(reading,
                              atKey(number, lengthKey, document.keyLine(group, lengthKey),
                                    tr("the shares of the session come to more than 100%")));
        }
        definition.length = *length;

        const QString beatValue = document.value(group, beatKey);
        const auto beat = parseBeat(beatValue);
        if (!beat)
            return failed(reading,
                          atKey(number, beatKey, document.keyLine(group, beatKey),
                                tr("\"%1\" is not a beat from 0.5 to 40 Hz; write one "
                                   "such as 8, or a ramp such as 18 to 8")
                                    .arg(beatValue)));
        definition.beatFrom = beat->first;
        definition.beatTo = beat->second;

        const QString colourValue = document.value(group, colourKey);
        const auto colour = parseColour(colourValue);
        if (!colour)
            return failed(reading,
                          atKey(number, colourKey, document.keyLine(group, colourKey),
                                tr("\"%1\" is not a colour; write one of %2 or #rrggbb, or a "
                                   "ramp such as yellow to blue")
                                    .arg(colourValue, colourNames().join(QLatin1String(", ")))));
        definition.colourFrom = colour->first;
        definition.colourTo = colour->second;
        program.stages.append(definition);
    }
    reading.program = program;
    return reading;
}

QByteArray ProgramFile::write(const ProgramDefinition &program, KeyFile document)
{
    document.setValue(programGroup, nameKey, program.name);
    if (program.description.isEmpty() && program.localizedDescriptions.isEmpty())
        document.removeKey(programGroup, descriptionKey);
    else
        document.setValue(programGroup, descriptionKey, program.description);
    for (auto name = program.localizedNames.cbegin(); name != program.localizedNames.cend(); ++name)
        document.setValue(programGroup, nameKey, name.value(), name.key());
    for (auto text = program.localizedDescriptions.cbegin();
         text != program.localizedDescriptions.cend(); ++text)
        document.setValue(programGroup, descriptionKey, text.value(), text.key());
    if (program.tone)
        document.setValue(programGroup, toneKey, ToneKinds::name(*program.tone));
    else
        document.removeKey(programGroup, toneKey);

    for (const QString &group : document.groups()) {
        if (stageNumber(group) > program.stages.size())
            document.removeGroup(group);
    }
    for (int i = 0; i < program.stages.size(); ++i) {
        const StageDefinition &stage = program.stages[i];
        const QString group = stageGroup(i + 1);
        document.setValue(group, lengthKey, lengthText(stage.length));
        document.setValue(group, beatKey, beatText(stage.beatFrom, stage.beatTo));
        document.setValue(group, colourKey, colourText(stage.colourFrom, stage.colourTo));
    }
    return document.toData();
}

ProgramDefinition ProgramFile::copyOf(const Program &program, int sessionSeconds)
{
    const Timeline::StageLengths lengths = Timeline::stageLengthsFor(sessionSeconds);
    ProgramDefinition copy;
    copy.name = QString::fromLatin1(program.name);
    copy.description = QString::fromLatin1(program.description).trimmed();
    const auto ramp = StageLength {StageLength::Kind::Time, lengths.rampLength, 0};
    const auto plateau = StageLength {StageLength::Kind::Rest, 0, 0};
    copy.stages = {
        {ramp, float(program.startFrequency), float(program.plateauFrequency), program.startColour,
         program.plateauColour},
        {plateau, float(program.plateauFrequency), float(program.plateauFrequency),
         program.plateauColour, program.plateauColour},
        {ramp, float(program.plateauFrequency), float(program.endFrequency), program.plateauColour,
         program.endColour},
    };
    return copy;
}

std::optional<StagePlan> StagePlanner::plan(const ProgramDefinition &program, int sessionSeconds)
{
    if (program.stages.isEmpty() || sessionSeconds <= 0)
        return std::nullopt;
    // What each stage asks for at this length, in seconds.
    QList<double> asked;
    double total = 0;
    int rest = -1;
    for (int i = 0; i < program.stages.size(); ++i) {
        const StageLength &length = program.stages[i].length;
        double seconds = 0;
        if (length.kind == StageLength::Kind::Time)
            seconds = length.seconds;
        else if (length.kind == StageLength::Kind::Share)
            seconds = length.percent / 100 * sessionSeconds;
        else
            rest = i;
        asked.append(seconds);
        total += seconds;
    }
    if (total > sessionSeconds + 1e-6)
        return std::nullopt;
    if (rest >= 0)
        asked[rest] = sessionSeconds - total;
    else if (total > 0)
        for (double &seconds : asked)
            seconds *= sessionSeconds / total;

    // Each stage ends on the whole second nearest its exact end, so that the lengths add up to
    // the session's and no stage drifts by more than a second.
    StagePlan plan;
    double exactEnd = 0;
    int end = 0;
    for (int i = 0; i < program.stages.size(); ++i) {
        exactEnd += asked[i];
        const int stageEnd =
            i + 1 == program.stages.size() ? sessionSeconds : int(std::lround(exactEnd));
        const StageDefinition &stage = program.stages[i];
        if (stageEnd > end)
            plan.append(
                {stageEnd - end, stage.beatFrom, stage.beatTo, stage.colourFrom, stage.colourTo});
        end = qMax(end, stageEnd);
    }
    return plan;
}

int StagePlanner::shortestMinutes(const ProgramDefinition &program)
{
    double fixed = 0;
    double percent = 0;
    for (const StageDefinition &stage : program.stages) {
        if (stage.length.kind == StageLength::Kind::Time)
            fixed += stage.length.seconds;
        else if (stage.length.kind == StageLength::Kind::Share)
            percent += stage.length.percent;
    }
    if (fixed == 0)
        return 0;
    if (percent >= 100)
        return -1;
    // fixed + percent/100 · L ≤ L
    return int(std::ceil(fixed / (1 - percent / 100) / 60 - 1e-9));
}

QString StagePlanner::tooShortMessage(const ProgramDefinition &program)
{
    const int minutes = shortestMinutes(program);
    if (minutes < 0)
        return QCoreApplication::translate(
            "StagePlanner",
            "This program's shares of the session leave no time for its fixed "
            "stages.");
    return QCoreApplication::translate("StagePlanner", "This program needs at least %1.")
        .arg(minutesText(minutes));
}

QString StagePlanner::minutesText(int minutes)
{
    if (minutes < 60)
        return QCoreApplication::translate("StagePlanner", "%1 min").arg(minutes);
    if (minutes % 60 == 0)
        return QCoreApplication::translate("StagePlanner", "%1 h").arg(minutes / 60);
    return QCoreApplication::translate("StagePlanner", "%1 h %2 min")
        .arg(minutes / 60)
        .arg(minutes % 60);
}
