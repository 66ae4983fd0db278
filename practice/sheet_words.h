// The words of the worksheets' options, the same in every front end that prints them.
#pragma once

namespace velmorand {

struct SheetWords {
    const char* Title = "Листы для печати";
    const char* Level = "Уровень";
    const char* Variant = "Вариант";
    const char* Variants = "Сколько вариантов";
    const char* Problems = "Примеров в варианте";
    const char* AsManyAsFit = "сколько поместится";
    const char* Answers = "Ответы к каждому варианту";
    const char* Large = "Крупные клетки, 10 мм";
    const char* Print = "Печать";
    const char* SavePdf = "Сохранить PDF";
    const char* Close = "Назад к тренажёру";
    const char* Preview = "Листы, как они будут напечатаны";
};

inline constexpr SheetWords SheetOptionWords{};

} // namespace velmorand
