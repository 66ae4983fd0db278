// The words of the printed sheets' choices and of what the front ends say about them, the same
// in every front end that prints them.
#pragma once

namespace velmorand {

struct PrintedSheetsWords {
    const char* Title = "Листы для печати";
    const char* Level = "Уровень";
    const char* Variant = "Вариант";
    const char* Variants = "Сколько вариантов";
    const char* Problems = "Примеров в варианте";
    const char* AsManyAsFit = "сколько поместится";
    const char* Answers = "Ответы к каждому варианту";
    const char* Large = "Крупные клетки, 10 мм";
    const char* Print = "Печать…";
    const char* SavePdf = "Сохранить PDF…";
    const char* Close = "Назад к тренажёру";
    const char* Preview = "Листы, как они будут напечатаны";
    const char* PageCount = "Страниц: "; // followed by the number
    const char* Page = "Страница ";      // a page of the preview, followed by its number
    const char* SaveTitle = "Сохранить листы";
    const char* FileName = "Листы.pdf"; // offered to save as, and the command line's file
    const char* FileKinds = "PDF (*.pdf)";
    const char* NotPrinted = "Листы не напечатаны: "; // followed by the reason
    const char* NotSaved = "Листы не сохранены: ";
    const char* Written = "Листы записаны в "; // followed by the file's name
    // The reasons, each followed by the file's name in «».
    const char* CannotOpen = "не удалось открыть файл для записи: ";
    const char* CannotWrite = "не удалось записать файл: ";
    const char* NoPages = "нет ни одной страницы";
    const char* CannotPrint = "не удалось начать печать";
};

inline constexpr PrintedSheetsWords PrintedWords{};

} // namespace velmorand
