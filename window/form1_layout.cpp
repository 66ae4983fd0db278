#include "form1_layout.h"

#include "link_addresses.h"

namespace velmorand {

const char* const Form1Caption =
    "Деление в столбик для 3-4 классов. Разработка: команда Velmorand. Ver 1.00";

namespace {

using K = ControlKind;
using A = ControlAction;
using W = Worksheet;

constexpr double FieldPoints = 12;
constexpr double ButtonPoints = 9.75;
constexpr QRgb MessageBackground = 0xFFFAF2AF; // RGB(250, 242, 175)
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Blue = 0xFF0000FF;
constexpr const char* StepRow = "Шаг деления: неполное делимое, вычитаемое или остаток";

// clang-format off
constexpr ControlRow Layout[] = {
//   name        kind        left   top  width height caption             points        bold  text  back               tool tip           centered field       action      link
//   accessible name, accessible description (a label without them is read by its caption)
    {"Text1",    K::TextField, 840, 1440, 3495, 375, nullptr,             FieldPoints,  false, 0,   0,                 "Делимое",         false, &W::Text1,  A::None,    nullptr,
     "Делимое", "Число, которое делят"},
    {"Command1", K::Button,   2880, 9240, 2175, 375, "Run",               ButtonPoints, false, 0,   0,                 nullptr,           false, nullptr,    A::Run,     nullptr,
     "Run", "Решить: разделить делимое на делитель в столбик"},
    {"Label1",   K::Label,     840, 8520, 9615, 375, nullptr,             FieldPoints,  false, 0,   MessageBackground, nullptr,           false, &W::MessageText, A::None, nullptr,
     nullptr, "Строка сообщений"},
    {"Text2",    K::TextField, 840, 1920, 3495, 375, nullptr,             FieldPoints,  false, 0,   0,                 nullptr,           false, &W::Text2,  A::None,    nullptr,
     "Строка столбика 1", StepRow},
    {"Text3",    K::TextField, 840, 2400, 3495, 375, nullptr,             FieldPoints,  false, 0,   0,                 nullptr,           false, &W::Text3,  A::None,    nullptr,
     "Строка столбика 2", StepRow},
    {"Text4",    K::TextField, 840, 2880, 3495, 375, nullptr,             FieldPoints,  false, 0,   0,                 nullptr,           false, &W::Text4,  A::None,    nullptr,
     "Строка столбика 3", StepRow},
    {"Text5",    K::TextField, 840, 3360, 3495, 375, nullptr,             FieldPoints,  false, 0,   0,                 nullptr,           false, &W::Text5,  A::None,    nullptr,
     "Строка столбика 4", StepRow},
    {"Text6",    K::TextField, 840, 3840, 3495, 375, nullptr,             FieldPoints,  false, 0,   0,                 nullptr,           false, &W::Text6,  A::None,    nullptr,
     "Строка столбика 5", StepRow},
    {"Text7",    K::TextField, 840, 4320, 3495, 375, nullptr,             FieldPoints,  false, 0,   0,                 nullptr,           false, &W::Text7,  A::None,    nullptr,
     "Строка столбика 6", StepRow},
    {"Text8",    K::TextField, 840, 4800, 3495, 375, nullptr,             FieldPoints,  false, 0,   0,                 nullptr,           false, &W::Text8,  A::None,    nullptr,
     "Строка столбика 7", StepRow},
    {"Text9",    K::TextField, 840, 5280, 3495, 375, nullptr,             FieldPoints,  false, 0,   0,                 nullptr,           false, &W::Text9,  A::None,    nullptr,
     "Строка столбика 8", StepRow},
    {"Text10",   K::TextField, 840, 5760, 3495, 375, nullptr,             FieldPoints,  false, 0,   0,                 nullptr,           false, &W::Text10, A::None,    nullptr,
     "Строка столбика 9", StepRow},
    {"Command2", K::Button,   5160, 9240, 1815, 375, "Clear",             ButtonPoints, false, 0,   0,                 nullptr,           false, nullptr,    A::Clear,   nullptr,
     "Clear", "Очистить: очистить все поля"},
    {"Text11",   K::TextField, 840, 6240, 3495, 420, nullptr,             FieldPoints,  false, 0,   0,                 "Делитель",        false, &W::Text11, A::None,    nullptr,
     "Строка столбика 10", StepRow},
    {"Text12",   K::TextField, 840, 6765, 3495, 450, nullptr,             FieldPoints,  false, 0,   0,                 nullptr,           false, &W::Text12, A::None,    nullptr,
     "Строка столбика 11", StepRow},
    {"Label2",   K::Label,     840,  240, 8775, 615, "Velmorand",         24,           false, 0,   0,                 nullptr,           true,  nullptr,    A::None,    nullptr,
     nullptr, nullptr},
    {"Text13",   K::TextField, 840, 7320, 3495, 375, nullptr,             FieldPoints,  false, 0,   0,                 nullptr,           false, &W::Text13, A::None,    nullptr,
     "Строка столбика 12", StepRow},
    {"Text14",   K::TextField, 840, 7800, 3495, 375, nullptr,             FieldPoints,  false, 0,   0,                 nullptr,           false, &W::Text14, A::None,    nullptr,
     "Строка столбика 13", StepRow},
    {"Text15",   K::TextField, 4560, 1440, 2655, 375, nullptr,            FieldPoints,  false, 0,   0,                 nullptr,           false, &W::Text15, A::None,    nullptr,
     "Делитель", "Число, на которое делят"},
    {"Text16",   K::TextField, 4560, 2880, 2655, 375, nullptr,            FieldPoints,  false, 0,   0,                 nullptr,           false, &W::Text16, A::None,    nullptr,
     "Результат (целое)", "Целая часть частного"},
    {"Label3",   K::Label,     840, 1080, 1695, 255, "Делимое",           0,            false, 0,   0,                 nullptr,           false, nullptr,    A::None,    nullptr,
     nullptr, nullptr},
    {"Label4",   K::Label,    4560, 1080, 1695, 255, "Делитель",          0,            false, 0,   0,                 nullptr,           false, nullptr,    A::None,    nullptr,
     nullptr, nullptr},
    {"Label5",   K::Label,    4560, 2520, 1695, 255, "Результат (целое)", 0,            false, 0,   0,                 nullptr,           false, nullptr,    A::None,    nullptr,
     nullptr, nullptr},
    {"Text17",   K::TextField, 4560, 3840, 2655, 375, nullptr,            FieldPoints,  false, 0,   0,                 nullptr,           false, &W::Text17, A::None,    nullptr,
     "Остаток", "Остаток, записанный десятичной дробью: дробная часть частного"},
    {"Label6",   K::Label,    4560, 3480, 1815, 255, "Остаток",           0,            false, 0,   0,                 nullptr,           false, nullptr,    A::None,    nullptr,
     nullptr, nullptr},
    {"Command3", K::Button,   7080, 9240, 1815, 375, "Exit",              ButtonPoints, false, 0,   0,                 nullptr,           false, nullptr,    A::Exit,    nullptr,
     "Exit", "Выход: закрыть программу"},
    {"Label7",   K::Label,    7320, 3960,  375, 255, "или",               0,            false, 0,   0,                 nullptr,           false, nullptr,    A::None,    nullptr,
     nullptr, nullptr},
    {"Text18",   K::TextField, 8040, 3600, 1215, 375, nullptr,            FieldPoints,  false, 0,   0,                 nullptr,           true,  &W::Text18, A::None,    nullptr,
     "Остаток: числитель", "Остаток от деления, числитель дроби"},
    {"Text19",   K::TextField, 8040, 4200, 1215, 375, nullptr,            FieldPoints,  false, 0,   0,                 nullptr,           true,  &W::Text19, A::None,    nullptr,
     "Остаток: знаменатель", "Делитель, знаменатель дроби"},
    {"Command4", K::Button,   9000, 9240, 1455, 375, "Load",              ButtonPoints, false, 0,   0,                 nullptr,           false, nullptr,    A::OpenLink, CatalogueAddress,
     "Load", "Загрузить: открыть в браузере каталог программ"},
    {"Label8",   K::Label,    8040, 7800,  495, 375, ">>",                13.5,         true,  Red, 0,                 "Игры из бумаги",  false, nullptr,    A::OpenLink, PaperGamesAddress,
     "Игры из бумаги", "Ссылка: открыть страницу в браузере"},
    {"Label9",   K::Label,    8760, 7800,  735, 375, ">>>>",              13.5,         true,  Blue, 0,                "Английский язык", false, nullptr,    A::OpenLink, EnglishAddress,
     "Английский язык", "Ссылка: открыть сайт в браузере"},
    {"Picture1", K::Picture,  4560, 4440, 2640, 3150, nullptr,            0,            false, 0,   0,                 nullptr,           false, nullptr,    A::None,    nullptr,
     "Пример: 861 разделить на 7 в столбик, получится 123", "Картинка: образец записи деления в столбик"},
    {"Line1",    K::Line,     8040, 4080, 1200,    0, nullptr,            0,            false, 0,   0,                 nullptr,           false, nullptr,    A::None,    nullptr,
     nullptr, nullptr},
};
// clang-format on

} // namespace

std::span<const ControlRow> Form1Layout() { return Layout; }

} // namespace velmorand
