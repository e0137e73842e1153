#ifndef PROGRAMEDITOR_H
#define PROGRAMEDITOR_H

#include "programs/programfile.h"

#include <QDialog>

#include <memory>

class QTableWidgetItem;

namespace Ui {
class ProgramEditor;
}

// The dialog in which a user writes a program: its name, its description and its stages, with
// a plot of the beat over a session of the length chosen in the window, redrawn at each change.
// A field that cannot be read is marked where it is, with its reason, and Save waits until every
// field can be.
class ProgramEditor : public QDialog
{
    Q_OBJECT

public:
    ProgramEditor(const ProgramDefinition &program, int sessionSeconds, QWidget *parent = nullptr);
    ~ProgramEditor() override;

    // The program as the fields have it; whole only when isValid().
    ProgramDefinition program() const;
    bool isValid() const { return problems.isEmpty(); }
    // Each field that cannot be read, with its reason, in the order of the form.
    QStringList problemList() const { return problems; }

    // The table's columns.
    enum Column { LengthColumn, BeatFromColumn, BeatToColumn, ColourFromColumn, ColourToColumn };

private:
    void fitStagesTable();
    void addStage();
    void removeStage();
    void moveStage(int by);
    void setRow(int row, const StageDefinition &stage);
    void check();
    // Marks a cell with its reason, or clears the mark; returns whether the cell is good.
    bool mark(QTableWidgetItem *item, const QString &reason);

    std::unique_ptr<Ui::ProgramEditor> ui;
    ProgramDefinition original;
    int sessionSeconds;
    ProgramDefinition edited;
    QStringList problems;
};

#endif
