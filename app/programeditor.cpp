#include "app/programeditor.h"
#include "ui_programeditor.h"

#include <QHeaderView>
#include <QPushButton>
#include <QStyle>

ProgramEditor::ProgramEditor(const ProgramDefinition &program, int sessionSeconds, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ProgramEditor)
    , original(program)
    , sessionSeconds(sessionSeconds)
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Save)->setObjectName(QStringLiteral("saveButton"));
    ui->plotLabel->setText(
        tr("The beat over a session of %1:").arg(StagePlanner::minutesText(sessionSeconds / 60)));
    ui->nameEdit->setText(program.name);
    ui->descriptionEdit->setPlainText(program.description);
    ui->stagesTable->setRowCount(program.stages.size());
    for (int row = 0; row < program.stages.size(); ++row)
        setRow(row, program.stages[row]);
    fitStagesTable();

    connect(ui->nameEdit, &QLineEdit::textChanged, this, &ProgramEditor::check);
    connect(ui->descriptionEdit, &QPlainTextEdit::textChanged, this, &ProgramEditor::check);
    connect(ui->stagesTable, &QTableWidget::itemChanged, this, &ProgramEditor::check);
    connect(ui->stagesTable, &QTableWidget::currentCellChanged, this, &ProgramEditor::check);
    connect(ui->addButton, &QPushButton::clicked, this, &ProgramEditor::addStage);
    connect(ui->removeButton, &QPushButton::clicked, this, &ProgramEditor::removeStage);
    connect(ui->upButton, &QPushButton::clicked, this, [this] { moveStage(-1); });
    connect(ui->downButton, &QPushButton::clicked, this, [this] { moveStage(1); });
    check();
}

ProgramEditor::~ProgramEditor() = default;

// The description gets a few lines and the table all its columns, at any font size; the rest of
// the height goes to the stages.
void ProgramEditor::fitStagesTable()
{
    const int line = fontMetrics().lineSpacing();
    ui->descriptionEdit->setMaximumHeight(4 * line + 2 * ui->descriptionEdit->frameWidth());
    QTableWidget *table = ui->stagesTable;
    // Wide enough for the longest colour name and its swatch in every colour column.
    table->resizeColumnsToContents();
    const int colourWidth = fontMetrics().horizontalAdvance(QStringLiteral("#000000 magenta"));
    for (const Column column : {ColourFromColumn, ColourToColumn})
        table->setColumnWidth(column, std::max(table->columnWidth(column), colourWidth));
    int width = table->verticalHeader()->sizeHint().width() + 2 * table->frameWidth() +
        table->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int column = 0; column < table->columnCount(); ++column)
        width += table->columnWidth(column);
    table->setMinimumWidth(width);
    table->setMinimumHeight(8 * table->verticalHeader()->defaultSectionSize());
}

ProgramDefinition ProgramEditor::program() const
{
    return edited;
}

void ProgramEditor::setRow(int row, const StageDefinition &stage)
{
    const QSignalBlocker quiet(ui->stagesTable);
    const QStringList texts = {
        ProgramFile::lengthText(stage.length),
        ProgramFile::beatText(stage.beatFrom, stage.beatFrom),
        ProgramFile::beatText(stage.beatTo, stage.beatTo),
        ProgramFile::oneColourText(stage.colourFrom),
        ProgramFile::oneColourText(stage.colourTo),
    };
    for (int column = 0; column < texts.size(); ++column)
        ui->stagesTable->setItem(row, column, new QTableWidgetItem(texts[column]));
}

void ProgramEditor::addStage()
{
    const int row = ui->stagesTable->currentRow() >= 0 ? ui->stagesTable->currentRow() + 1
                                                       : ui->stagesTable->rowCount();
    // A new stage holds where the one before it ends, for five minutes.
    StageDefinition stage {{StageLength::Kind::Time, 300, 0}, 10, 10, {0, 0, 1}, {0, 0, 1}};
    if (row > 0) {
        const auto beat =
            ProgramFile::parseBeat(ui->stagesTable->item(row - 1, BeatToColumn)->text());
        const auto colour =
            ProgramFile::parseOneColour(ui->stagesTable->item(row - 1, ColourToColumn)->text());
        if (beat)
            stage.beatFrom = stage.beatTo = beat->first;
        if (colour)
            stage.colourFrom = stage.colourTo = *colour;
    }
    ui->stagesTable->insertRow(row);
    setRow(row, stage);
    ui->stagesTable->setCurrentCell(row, LengthColumn);
    check();
}

void ProgramEditor::removeStage()
{
    const int row = ui->stagesTable->currentRow();
    if (row < 0)
        return;
    ui->stagesTable->removeRow(row);
    check();
}

void ProgramEditor::moveStage(int by)
{
    QTableWidget *table = ui->stagesTable;
    const int row = table->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= table->rowCount())
        return;
    {
        const QSignalBlocker quiet(table);
        for (int column = 0; column < table->columnCount(); ++column) {
            QTableWidgetItem *moving = table->takeItem(row, column);
            table->setItem(row, column, table->takeItem(to, column));
            table->setItem(to, column, moving);
        }
    }
    table->setCurrentCell(to, table->currentColumn());
    check();
}

bool ProgramEditor::mark(QTableWidgetItem *item, const QString &reason)
{
    const QSignalBlocker quiet(ui->stagesTable);
    item->setToolTip(reason);
    item->setData(Qt::BackgroundRole,
                  reason.isEmpty() ? QVariant() : QVariant(QColor(255, 0, 0, 64)));
    if (!reason.isEmpty())
        problems.append(
            tr("Stage %1, %2: %3")
                .arg(item->row() + 1)
                .arg(ui->stagesTable->horizontalHeaderItem(item->column())->text(), reason));
    return reason.isEmpty();
}

// Reads every field again: cheap for 32 stages, and no field's reason can go stale.
void ProgramEditor::check()
{
    problems.clear();
    edited = ProgramDefinition();
    edited.name = ui->nameEdit->text().trimmed();
    edited.description = ui->descriptionEdit->toPlainText().trimmed();
    // Translations that came with the file stay while the text they translate does.
    if (edited.name == original.name)
        edited.localizedNames = original.localizedNames;
    if (edited.description == original.description)
        edited.localizedDescriptions = original.localizedDescriptions;

    if (edited.name.isEmpty()) {
        ui->nameEdit->setStyleSheet(QStringLiteral("background: rgba(255, 0, 0, 64)"));
        ui->nameEdit->setToolTip(tr("A program needs a name."));
        problems.append(tr("Name: a program needs a name."));
    } else {
        ui->nameEdit->setStyleSheet({});
        ui->nameEdit->setToolTip({});
    }

    QTableWidget *table = ui->stagesTable;
    if (table->rowCount() == 0)
        problems.append(tr("A program needs at least one stage."));
    int restStage = 0;
    double percent = 0;
    bool stagesGood = true;
    for (int row = 0; row < table->rowCount(); ++row) {
        StageDefinition stage;
        QTableWidgetItem *lengthItem = table->item(row, LengthColumn);
        const auto length = ProgramFile::parseLength(lengthItem->text());
        QString reason;
        if (!length) {
            reason = tr("Write a time such as 90s, 5m or 1h30m, a share of the session such as "
                        "20%, or rest.");
        } else if (length->kind == StageLength::Kind::Rest && restStage) {
            reason = tr("Stage %1 takes the rest already; only one stage may.").arg(restStage);
        } else if (length->kind == StageLength::Kind::Share &&
                   percent + length->percent > 100.0001) {
            reason = tr("The shares of the session come to more than 100%.");
        }
        if (length && reason.isEmpty()) {
            stage.length = *length;
            if (length->kind == StageLength::Kind::Rest)
                restStage = row + 1;
            percent += length->kind == StageLength::Kind::Share ? length->percent : 0;
        }
        bool good = mark(lengthItem, reason);

        for (const Column column : {BeatFromColumn, BeatToColumn}) {
            QTableWidgetItem *item = table->item(row, column);
            const auto beat = ProgramFile::parseBeat(item->text());
            const bool single = beat && beat->first == beat->second;
            good = mark(item, single ? QString() : tr("Write a beat from 0.5 to 40 Hz.")) && good;
            if (single)
                (column == BeatFromColumn ? stage.beatFrom : stage.beatTo) = beat->first;
        }
        for (const Column column : {ColourFromColumn, ColourToColumn}) {
            QTableWidgetItem *item = table->item(row, column);
            const auto colour = ProgramFile::parseOneColour(item->text());
            const QSignalBlocker quiet(table);
            item->setData(Qt::DecorationRole,
                          colour
                              ? QVariant(QColor::fromRgbF(colour->red, colour->green, colour->blue))
                              : QVariant());
            good = mark(item,
                        colour ? QString()
                               : tr("Write one of %1, or #rrggbb.")
                                     .arg(ProgramFile::colourNames().join(QLatin1String(", ")))) &&
                good;
            if (colour)
                (column == ColourFromColumn ? stage.colourFrom : stage.colourTo) = *colour;
        }
        stagesGood = stagesGood && good;
        edited.stages.append(stage);
    }

    ui->problemsLabel->setText(problems.value(0));
    ui->buttonBox->button(QDialogButtonBox::Save)->setEnabled(problems.isEmpty());
    ui->addButton->setEnabled(table->rowCount() < ProgramFile::maximumStages);
    const int row = table->currentRow();
    ui->removeButton->setEnabled(row >= 0);
    ui->upButton->setEnabled(row > 0);
    ui->downButton->setEnabled(row >= 0 && row + 1 < table->rowCount());

    if (!stagesGood || edited.stages.isEmpty()) {
        ui->plot->setMessage(tr("The plot returns when every stage can be read."));
    } else if (const std::optional<StagePlan> plan = StagePlanner::plan(edited, sessionSeconds)) {
        ui->plot->setPlan(*plan);
    } else {
        ui->plot->setMessage(StagePlanner::tooShortMessage(edited));
    }
}
