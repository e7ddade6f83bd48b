#include "editors/CanvasEditors.h"

#include "editors/ChoiceLists.h"
#include "editors/EditDuibl.h"
#include "editors/EditFormCombo.h"
#include "editors/EditFormNumber.h"
#include "editors/EditFormOne.h"
#include "editors/EditFree.h"
#include "editors/EditorSession.h"
#include "editors/FormFamilies.h"
#include "editors/EditViborBox.h"
#include "editors/EditViborPlus.h"

#include <exception>
#include <memory>
#include <string_view>
#include <utility>

namespace ix::editors {
namespace {

struct CanvasOnly {
    std::int32_t id;
    bool withColon;
    std::string_view key;
    std::string_view description;
};

constexpr CanvasOnly kCanvasOnly[] = {
    {1, false, "002*", "Создать объект \"ixCanvas\"."},
    {2, false, "003*", "Удалить объект \"ixCanvas\"."},
    {39, false, "146*", "Отменить выбор всех инструментов."},
    {44, false, "073*", "Выделить часть изображения прямоугольником."},
    {45, false, "074*", "Выделить область изображения обводом мышки."},
    {46, false, "075*", "Выделить область изображения эллипсом."},
    {47, false, "076*", "Выделить часть рисунка многоугольником ( полигон )."},
    {55, false, "095*",
     "Вызвать окно эффектов. Выбранные эффекты действуют на текущий выделенный слой или на весь рисунок глобально."},
    {56, false, "096*",
     "Обрезает выбранную область и копирует как текущее изображение без использования буфера обмена."},
    {57, true, "198*", "Копировать и вырезать выбранную область в буфер обмена."},
    {58, false, "100*", "Преобразовать выделенную область изображения  в область с эффектом негатива."},
    {60, true, "110*", "Удалить \"красные глаза\"."},
    {63, false, "212*", "Отменить выбор выделения области изображения."},
};

template <std::size_t Index> bool EditCanvasOnly(EditorParams params)
{
    static constexpr CanvasOnly entry = kCanvasOnly[Index];
    return RunDialog<TFormOne>(params, [](EditorSession& s) {
        s.CanvasField(entry.withColon);
        return s.Run(entry.id, entry.key, entry.description);
    });
}

template <std::size_t... I> void AddCanvasOnly(std::vector<EditorRow>& rows, std::index_sequence<I...>)
{
    (rows.push_back({kCanvasOnly[I].id, &EditCanvasOnly<I>}), ...);
}

// Ids 3 to 20.

bool EditCreateFile(EditorParams params)
{
    return RunDialog<TFormNumber>(params, [](EditorSession& s) {
        s.CanvasField();
        s.NumberField("SpinEdit1", "Label1", "004*", "Ширина файла(Px):", Range(1, 20000, 1, 5));
        s.NumberField("SpinEdit2", "Label2", "005*", "Высота файла(Px):", Range(1, 20000, 1, 5));
        s.MoveTo("SpinEdit2", 130);
        s.MoveTo("Label2", 130);
        s.NumberField("SpinEdit3", "Label3", "006*", "Прозрачность( 0 - 255):", Range(0, 255, 255, 3));
        s.MoveTo("SpinEdit3", 255);
        s.MoveTo("Label3", 255);
        return s.Run(3, "007*",
                     "Создать новый файл изображения по заданным размерам. При указании прозрачности - будет создан "
                     "фон с указанной прозрачностью, или оставить этот параметр пустым.");
    });
}

bool EditCenter(EditorParams params)
{
    return EditCanvasList(params, 4, "008*", "True \\ False (по центру \\ по лев. краю):", kFalseTrue, "009*",
                          "Расположение создаваемого или загружаемого файла на поле (по центру (True), или по "
                          "верхнему левому углу (False)).");
}

const std::vector<std::string_view> kWallpaperStyles{"Normal", "Stretch", "Tile"};

bool EditBackground(EditorParams params)
{
    return EditBox(params, {5, "010*", "Цвет подложки объекта \"ixCanvas\":", true, "011*",
                            "Стиль подложки объекта \"ixCanvas\":", &kBackgroundStyles, "012*",
                            "Выбрать и установить цвет и стиль подложки объекта \"ixCanvas\"."});
}

bool EditWallPaper(EditorParams params)
{
    return EditBox(params, {6, "013*", "Выбор файла (*.bmp, *.jpeg):", false, "014*", "Стиль расположения файла:",
                            &kWallpaperStyles, "015*", "Выбрать и установить файл изображения в качестве фона."});
}

bool EditVRulerFont(EditorParams params)
{
    return EditBox(params, {9, "024*", "Цвет разметки вертикальной линейки:", true, "025*",
                            "Переворот разметки вертикальной линейки:", &kFalseTrue, "026*",
                            "Выбрать и установить цвет и стиль отображения разметки вертикальной линейки."});
}

bool EditHRulerFont(EditorParams params)
{
    return EditBox(params, {10, "027*", "Цвет разметки горизонтальной линейки:", true, "028*",
                            "Переворот разметки горизонтальной линейки:", &kFalseTrue, "029*",
                            "Выбрать и установить цвет и стиль отображения разметки горизонтальной линейки."});
}

struct RulerEntry {
    std::int32_t id;
    std::string_view colourKey, colourCaption, showKey, showCaption, subKey, subCaption, key, description;
};

bool EditRuler(EditorParams params, const RulerEntry& e)
{
    return RunDialog<TFormPlus>(params, [&](EditorSession& s) {
        s.CanvasField();
        s.TextField("LEdit2", e.colourKey, e.colourCaption);
        s.Show("SpeedButton2");
        s.Show("SpeedButton1");
        s.ListField("ComboBox1", "Label1", e.showKey, e.showCaption, kFalseTrue);
        s.TextField("LEdit3", e.subKey, e.subCaption);
        s.Show("SpeedButton4");
        s.Show("SpeedButton6");
        return s.Run(e.id, e.key, e.description);
    });
}

bool EditHorizRuler(EditorParams params)
{
    return EditRuler(params, {7, "016*", "Цвет горизонтальной линейки:", "017*",
                              "Скрыть \\ Показать горизонтальную линейку:", "018*",
                              "Подпрограмма при клике мышкой по горизонтальной линейке:", "019*",
                              "Установить цвет горизонтальной линейки, скрыть \\ показать линейку."});
}

bool EditVertRuler(EditorParams params)
{
    return EditRuler(params, {8, "020*", "Цвет вертикальной линейки:", "021*",
                              "Скрыть \\ Показать вертикальную линейку:", "022*",
                              "Подпрограмма при клике мышкой по вертикальной линейке:", "023*",
                              "Установить цвет вертикальной линейки, скрыть \\ показать линейку."});
}

bool EditGetZoom(EditorParams params)
{
    return EditDubl(params, 11, true, "030*", "Переменная для отображения процентного увеличения:", {}, "031*",
                    "Назначить переменную для отображения процентного увеличения.");
}

bool EditGrid(EditorParams params)
{
    return EditCanvasList(params, 12, {}, "True \\ False:", kFalseTrue, "032*",
                          "Показать \\ Скрыть сетку разделения пикселей ( при увеличении свыше 400 %).");
}

bool EditSetZoom(EditorParams params)
{
    return RunDialog<TFormCombo>(params, [](EditorSession& s) {
        s.CanvasField();
        s.NumberField("SpinEdit1", "Label1", "033*", "Число процентного увеличения:", Range(1, 20000, 100, 5));
        s.MoveTo("SpinEdit1", 5);
        return s.Run(13, "034*", "Установить увеличение ( ZOOM ) в процентах (1 - 20000).");
    });
}

bool EditSetCursor(EditorParams params)
{
    return EditCanvasList(params, 14, "035*", "Выбор курсора:", kCursorNames, "036*",
                          "Установить курсор из стандартного набора курсоров.");
}

bool EditLoadCursor(EditorParams params)
{
    return EditDubl(params, 15, true, "037*", "Выбор файла курсора:", "SpeedButton3", "038*",
                    "Загрузить курсор из файла.");
}

bool EditCoordinates(EditorParams params)
{
    return RunDialog<TFormFree>(params, [](EditorSession& s) {
        s.TextField("LEdit1", "001*", "Прямоугольник с объектом ixCanvas:");
        s.Show("Kn1");
        s.TextField("LEdit2", "041*", "Переменная для X:");
        s.Show("SpeedButton2");
        s.TextField("LEdit3", "042*", "Переменная для Y:");
        s.Show("SpeedButton4");
        return s.Run(16, "043*", "Получить текущие координаты курсора мышки на объекте \" ixCanvas \".");
    });
}

bool EditFit(EditorParams params)
{
    return EditCanvasList(params, 17, {}, "True \\ False:", kTrueFalse, "111*",
                          "Отрегулировать масштаб в соответствии с клиентской областью (с соотношением сторон).");
}

bool EditSetSize(EditorParams params)
{
    return RunDialog<TFormCombo>(params, [](EditorSession& s) {
        s.CanvasField();
        s.ListField("ComboBox1", "Label1", "165*", "Выбор изменяемого размера:", {"Client", "Width", "Height"});
        s.NumberField("SpinEdit1", "Label2", "166*", "Установить размер:", Range(100, 5000, 500, 4));
        s.MoveTo("SpinEdit1", 185);
        s.MoveTo("Label2", 185);
        return s.Run(18, "167*", "Установить размер клиентской области (область рисования).");
    });
}

bool EditColorBack(EditorParams params)
{
    return EditDubl(params, 19, true, "168*", "Цвет:", "SpeedButton1", "169*",
                    "Установить цвет панели находящейся за клиентской областью для рисования.");
}

bool EditIsEmpty(EditorParams params)
{
    return EditDubl(params, 20, false, "223*", "Переменная для результата:", {}, "224*",
                    "Определить загружено ли изображение на холст. Возвращает \"True\" если изображение отсутствует.");
}

}  // namespace

std::vector<EditorRow> CanvasEditorRows()
{
    std::vector<EditorRow> rows = {
        {3, &EditCreateFile},   {4, &EditCenter},       {5, &EditBackground},   {6, &EditWallPaper},
        {7, &EditHorizRuler},   {8, &EditVertRuler},    {9, &EditVRulerFont},   {10, &EditHRulerFont},
        {11, &EditGetZoom},     {12, &EditGrid},        {13, &EditSetZoom},     {14, &EditSetCursor},
        {15, &EditLoadCursor},  {16, &EditCoordinates}, {17, &EditFit},         {18, &EditSetSize},
        {19, &EditColorBack},   {20, &EditIsEmpty},
    };
    AddCanvasOnly(rows, std::make_index_sequence<std::size(kCanvasOnly)>{});
    return rows;
}

}  // namespace ix::editors
