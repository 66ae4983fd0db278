// What the class journal is, in every front end that has it (the page, the Qt window): its
// caption, its controls with their names (ids in the page, object names in Qt), labels and
// captions, in the order the focus moves, and the chart of the class's mistakes as shapes.
#pragma once

#include "form1_layout.h"
#include "practice/class_journal.h"
#include "practice_look.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmorand {

enum class ClassControlKind {
    Field, // one line; a pasted list in the pupil's name is a list of pupils
    Button,
    Check, // on or off
    Text,  // shows a text of the journal
    Table, // a row per pupil under the columns' headers
    Chart, // the mistake groups as bars
};

enum class ClassCommand { None, ChooseProblems, AddPupil, Remember, Forget, Print, SaveCsv };

enum class ClassText { None, Problems, Error, Totals, Missing, ChartSaid };

struct ClassControl {
    const char* Name = nullptr;
    ClassControlKind Kind = ClassControlKind::Text;
    const char* Label = nullptr;               // a field's label, a button's or a check's words
    ClassCommand Command = ClassCommand::None; // a button's click, a field's Enter
    ClassText Shows = ClassText::None;
    // The status line that speaks each JournalChange's announcement; only one has it.
    bool Announced = false;
    bool WritesFile = false; // a front end that writes no files leaves it out
};

extern const char* const ClassCaption; // "Журнал класса"

// ClassSet, ClassProblems, PupilName, PupilCode, AddPupil, ClassError, ClassTable,
// ClassTotals, ClassMissing, ClassChart, Remember, Forget, Print, SaveCsv.
std::span<const ClassControl> ClassLayout();
const ClassControl* FindClassControl(std::string_view name);

// What a text control shows.
std::string ClassShownText(const ClassJournal& journal, const std::string& error, ClassText text);

// Words the front ends say about saving and printing, the same everywhere.
struct ClassJournalWords {
    const char* FileName = "Журнал.csv";
    const char* FileKinds = "CSV (*.csv)";
    const char* Saved = "Журнал записан в ";       // followed by the file's name
    const char* NotSaved = "Журнал не сохранён: "; // followed by the reason
    const char* Remembered = "Класс запомнен на этом компьютере.";
    const char* Forgotten = "Класс забыт: имена удалены с этого компьютера.";
    // Where the computer refuses to keep anything (a browser's private window, say).
    const char* NotRemembered = "Класс не запомнен: этот компьютер не даёт сохранить его.";
    const char* NotPrinted = "Журнал не напечатан: "; // followed by the reason
};
inline constexpr ClassJournalWords ClassWords{};

// A program without the journal of its own opens the journal's page from its folder, or says
// where the page is to be found, followed by that folder.
struct ClassPageWords {
    const char* FileName = "velmorand-class.html";
    const char* Missing =
        "Журнал класса открывается в браузере: это страница velmorand-class.html. "
        "Рядом с программой её нет. Возьмите этот файл там же, где взяли "
        "программу, и положите его в папку ";
};
inline constexpr ClassPageWords ClassPage{};

// The journal's sizes in logical pixels (CSS pixels, Qt's device-independent pixels); its
// colours are the practice window's palette.
struct ClassJournalLook {
    int CaptionPixels = 26;      // the caption
    int TextPixels = 18;         // the labels, fields, buttons and texts
    int TablePixels = 16;        // the table's cells
    int PrintedTablePixels = 10; // the table on an upright A4 sheet, whose twelve columns fit
    int PrintedTextPixels = 13;  // the other texts on it
    int GapPixels = 12;          // between the controls
    int TargetPixels = 44;       // a field's and a button's least height: a finger's target
    int ChartPixels = 640;       // the chart's width, on the screen and on paper
};
inline constexpr ClassJournalLook ClassLook{};

// The chart, in pixels at the given width: a row per mistake group, the most frequent first,
// its name, a bar as long as its share of the largest count, and the count after it.
struct ChartRow {
    std::string Name{};
    int Count = 0;
    PixelRect NameBox{};
    PixelRect Bar{}; // empty width for a count of 0
    PixelRect CountBox{};
};
struct ChartPicture {
    int Width = 0;
    int Height = 0;
    int TextPixels = 0;
    Rgb Background = 0;
    Rgb BarColour = 0;
    Rgb TextColour = 0;
    std::vector<ChartRow> Rows{};
};
ChartPicture ChartPictureOf(const JournalTotals& totals, int width);

// The journal printed on A4 turned sideways, for the table's twelve columns, in millimetres: the
// caption and the problems, the table (its header repeated on each page), the totals, who has not
// handed in, and the chart.
struct ClassPrintMeasures {
    double PaperWidth = 297;
    double PaperHeight = 210;
    double Margin = 15;
    double TitleSize = 6; // the letters' height
    double TextSize = 3;
    double CellPadding = 1;
    double Rule = 0.2;       // the table's lines, in PracticeColours.Edge
    double NameColumn = 40;  // the first column: the pupil's name
    double NoteColumn = 60;  // the last: why a code is missing or refused
    double ParagraphGap = 4; // between the table, the texts and the chart
    double ChartWidth = 130; // the chart's picture, scaled to this width
    int ChartPixels = 520;   // the width its picture is made for
    Rgb Ink = PracticeColours.SheetInk;
    Rgb Lines = PracticeColours.Edge;
};
inline constexpr ClassPrintMeasures ClassPrint{};

} // namespace velmorand
