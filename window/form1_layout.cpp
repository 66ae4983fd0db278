#include "form1_layout.h"

#include "announcements.h"
#include "link_addresses.h"
#include "window/version.h"

#include <algorithm>

namespace velmorand {

const char* const Form1Caption =
    "Деление в столбик для 3-4 классов. Разработка: команда Velmorand. Ver " VELMORAND_VERSION;
const char* const Form1SpokenCaption =
    "Деление в столбик для 3 и 4 классов. Разработка, команда Velmorand. Ver " VELMORAND_VERSION;

namespace {

using K = ControlKind;
using A = ControlAction;
using F = WorksheetField;

constexpr ControlFont FieldFont{.Points = 12};
constexpr ControlFont ButtonFont{.Points = 9.75};
constexpr ControlFont TitleFont{.Points = 24};
constexpr ControlFont LinkFont{.Points = 13.5, .Bold = true};
constexpr Rgb MessageBackground = 0xFAF2AF;
constexpr Rgb Red = 0xFF0000;
constexpr Rgb Blue = 0x0000FF;
constexpr Rgb Black = 0x000000;
constexpr const char* StepRow = "Шаг деления. Неполное делимое, вычитаемое или остаток";

// clang-format off
constexpr ControlRow Layout[] = {
    {.Name = "Text1", .Kind = K::TextField, .Place = {840, 1440, 3495, 375}, .Font = FieldFont,
     .ToolTip = "Делимое", .Shows = F::Dividend, .TakesNumber = true,
     .Accessible = {"Делимое", "Число, которое делят"}},
    {.Name = "Command1", .Kind = K::Button, .Place = {2880, 9240, 2175, 375}, .Caption = "Run",
     .Font = ButtonFont, .Action = A::Run,
     .Accessible = {"Run", "Решить. Разделить делимое на делитель в столбик"}},
    {.Name = "Label1", .Kind = K::Label, .Place = {840, 8520, 9615, 375}, .Font = FieldFont,
     .Background = MessageBackground, .Shows = F::Message,
     .Accessible = {.Description = "Строка сообщений"}},
    {.Name = "Text2", .Kind = K::TextField, .Place = {840, 1920, 3495, 375}, .Font = FieldFont,
     .Shows = ColumnRowField(0), .Accessible = {"Строка столбика 1", StepRow}},
    {.Name = "Text3", .Kind = K::TextField, .Place = {840, 2400, 3495, 375}, .Font = FieldFont,
     .Shows = ColumnRowField(1), .Accessible = {"Строка столбика 2", StepRow}},
    {.Name = "Text4", .Kind = K::TextField, .Place = {840, 2880, 3495, 375}, .Font = FieldFont,
     .Shows = ColumnRowField(2), .Accessible = {"Строка столбика 3", StepRow}},
    {.Name = "Text5", .Kind = K::TextField, .Place = {840, 3360, 3495, 375}, .Font = FieldFont,
     .Shows = ColumnRowField(3), .Accessible = {"Строка столбика 4", StepRow}},
    {.Name = "Text6", .Kind = K::TextField, .Place = {840, 3840, 3495, 375}, .Font = FieldFont,
     .Shows = ColumnRowField(4), .Accessible = {"Строка столбика 5", StepRow}},
    {.Name = "Text7", .Kind = K::TextField, .Place = {840, 4320, 3495, 375}, .Font = FieldFont,
     .Shows = ColumnRowField(5), .Accessible = {"Строка столбика 6", StepRow}},
    {.Name = "Text8", .Kind = K::TextField, .Place = {840, 4800, 3495, 375}, .Font = FieldFont,
     .Shows = ColumnRowField(6), .Accessible = {"Строка столбика 7", StepRow}},
    {.Name = "Text9", .Kind = K::TextField, .Place = {840, 5280, 3495, 375}, .Font = FieldFont,
     .Shows = ColumnRowField(7), .Accessible = {"Строка столбика 8", StepRow}},
    {.Name = "Text10", .Kind = K::TextField, .Place = {840, 5760, 3495, 375}, .Font = FieldFont,
     .Shows = ColumnRowField(8), .Accessible = {"Строка столбика 9", StepRow}},
    {.Name = "Command2", .Kind = K::Button, .Place = {5160, 9240, 1815, 375}, .Caption = "Clear",
     .Font = ButtonFont, .Action = A::Clear,
     .Accessible = {"Clear", "Очистить. Очистить все поля"}},
    {.Name = "Text11", .Kind = K::TextField, .Place = {840, 6240, 3495, 420}, .Font = FieldFont,
     .ToolTip = "Делитель", .Shows = ColumnRowField(9),
     .Accessible = {"Строка столбика 10", StepRow}},
    {.Name = "Text12", .Kind = K::TextField, .Place = {840, 6765, 3495, 450}, .Font = FieldFont,
     .Shows = ColumnRowField(10), .Accessible = {"Строка столбика 11", StepRow}},
    {.Name = "Label2", .Kind = K::Label, .Place = {840, 240, 8775, 615}, .Caption = "Velmorand",
     .Font = TitleFont, .Centered = true},
    {.Name = "Text13", .Kind = K::TextField, .Place = {840, 7320, 3495, 375}, .Font = FieldFont,
     .Shows = ColumnRowField(11), .Accessible = {"Строка столбика 12", StepRow}},
    {.Name = "Text14", .Kind = K::TextField, .Place = {840, 7800, 3495, 375}, .Font = FieldFont,
     .Shows = ColumnRowField(12), .Accessible = {"Строка столбика 13", StepRow}},
    {.Name = "Text15", .Kind = K::TextField, .Place = {4560, 1440, 2655, 375}, .Font = FieldFont,
     .Shows = F::Divisor, .TakesNumber = true, .Accessible = {"Делитель", "Число, на которое делят"}},
    {.Name = "Text16", .Kind = K::TextField, .Place = {4560, 2880, 2655, 375}, .Font = FieldFont,
     .Shows = F::Quotient, .Accessible = {"Результат, целое", "Целая часть частного"}},
    {.Name = "Label3", .Kind = K::Label, .Place = {840, 1080, 1695, 255}, .Caption = "Делимое"},
    {.Name = "Label4", .Kind = K::Label, .Place = {4560, 1080, 1695, 255}, .Caption = "Делитель"},
    {.Name = "Label5", .Kind = K::Label, .Place = {4560, 2520, 1695, 255},
     .Caption = "Результат (целое)", .Accessible = {"Результат, целое"}},
    {.Name = "Text17", .Kind = K::TextField, .Place = {4560, 3840, 2655, 375}, .Font = FieldFont,
     .Shows = F::FractionalPart,
     .Accessible = {"Остаток", "Остаток, записанный десятичной дробью. Дробная часть частного"}},
    {.Name = "Label6", .Kind = K::Label, .Place = {4560, 3480, 1815, 255}, .Caption = "Остаток"},
    {.Name = "Command3", .Kind = K::Button, .Place = {7080, 9240, 1815, 375}, .Caption = "Exit",
     .Font = ButtonFont, .Action = A::Exit,
     .Accessible = {"Exit", "Выход. Закрыть программу"}},
    {.Name = "Label7", .Kind = K::Label, .Place = {7320, 3960, 375, 255}, .Caption = "или"},
    {.Name = "Text18", .Kind = K::TextField, .Place = {8040, 3600, 1215, 375}, .Font = FieldFont,
     .Centered = true, .Shows = F::Remainder,
     .Accessible = {"Остаток, числитель", "Остаток от деления, числитель дроби"}},
    {.Name = "Text19", .Kind = K::TextField, .Place = {8040, 4200, 1215, 375}, .Font = FieldFont,
     .Centered = true, .Shows = F::RemainderDenominator,
     .Accessible = {"Остаток, знаменатель", "Делитель, знаменатель дроби"}},
    {.Name = "Command4", .Kind = K::Button, .Place = {9000, 9240, 1455, 375}, .Caption = "Load",
     .Font = ButtonFont, .Action = A::OpenLink, .Link = CatalogueAddress,
     .Accessible = {"Load", "Загрузить. Открыть в браузере каталог программ"}},
    {.Name = "Label8", .Kind = K::Label, .Place = {8040, 7800, 495, 375}, .Caption = ">>",
     .Font = LinkFont, .TextColor = Red, .ToolTip = "Игры из бумаги",
     .Action = A::OpenLink, .Link = PaperGamesAddress,
     .Accessible = {"Игры из бумаги", "Ссылка. Открыть страницу в браузере"}},
    {.Name = "Label9", .Kind = K::Label, .Place = {8760, 7800, 735, 375}, .Caption = ">>>>",
     .Font = LinkFont, .TextColor = Blue, .ToolTip = "Английский язык",
     .Action = A::OpenLink, .Link = EnglishAddress,
     .Accessible = {"Английский язык", "Ссылка. Открыть сайт в браузере"}},
    {.Name = "Picture1", .Kind = K::Picture, .Place = {4560, 4440, 2640, 3150},
     .Accessible = {"Пример. 861 разделить на 7 в столбик, получится 123",
                    "Картинка. Образец записи деления в столбик"}},
    {.Name = "Line1", .Kind = K::Line, .Place = {8040, 4080, 1200, 0}, .Fill = Black},
};
// clang-format on

} // namespace

std::span<const ControlRow> Form1Layout() { return Layout; }

const ControlRow* FindControl(std::string_view name) {
    const auto row = std::find_if(std::begin(Layout), std::end(Layout),
                                  [name](const ControlRow& r) { return name == r.Name; });
    return row == std::end(Layout) ? nullptr : &*row;
}

ControlRole RoleOf(const ControlRow& row) {
    switch (row.Kind) {
    case ControlKind::TextField:
        return ControlRole::EditableText;
    case ControlKind::Button:
        return ControlRole::PushButton;
    case ControlKind::Label:
        return row.Action == ControlAction::OpenLink ? ControlRole::Link : ControlRole::StaticText;
    case ControlKind::Picture:
        return ControlRole::Graphic;
    case ControlKind::Line:
        return ControlRole::Separator;
    }
    return ControlRole::StaticText;
}

const ControlRow* ControlShowing(WorksheetField field) {
    const auto row = std::find_if(std::begin(Layout), std::end(Layout),
                                  [field](const ControlRow& r) { return r.Shows == field; });
    return row == std::end(Layout) ? nullptr : &*row;
}

const ControlRow& FirstFocus() {
    return *std::find_if(std::begin(Layout), std::end(Layout), TakesFocus);
}

std::string SpokenNameOf(const ControlRow& row, std::string_view shown) {
    if (row.Shows == WorksheetField::Message)
        return SpokenMessage(shown);
    return row.Accessible.Name != nullptr ? row.Accessible.Name : std::string();
}

bool TakesFocus(const ControlRow& row) {
    return row.Kind != ControlKind::Label && row.Kind != ControlKind::Line;
}

int TwipsToPixels(int twips, int dotsPerInch) { return twips * dotsPerInch / TwipsPerInch; }

PixelRect PlaceInPixels(const ControlRow& row, int dotsPerInch) {
    const Twips& p = row.Place;
    const auto pixels = [dotsPerInch](int twips) { return TwipsToPixels(twips, dotsPerInch); };
    if (row.Kind == ControlKind::Line) {
        const int thickness = LineThicknessPixels * dotsPerInch / 96;
        return {pixels(p.Left), pixels(p.Top) - thickness / 2, pixels(p.Width), thickness};
    }
    return {pixels(p.Left), pixels(p.Top), pixels(p.Width), pixels(p.Height)};
}

} // namespace velmorand
