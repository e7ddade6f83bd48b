#include "editors/ToolEditors.h"

#include "editors/ChoiceLists.h"
#include "editors/EditFormCombo.h"
#include "editors/EditFormNumber.h"
#include "editors/EditFree.h"
#include "editors/EditViborBox.h"
#include "editors/EditorSession.h"
#include "editors/FormFamilies.h"

#include <optional>
#include <string_view>

namespace ix::editors {
namespace {

constexpr std::string_view kPictureFilter =
    "All (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)|*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf|JPEG Image File (*.jpg)|*.jpg|"
    "JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico|Enhanced Metafiles (*.emf)|*.emf|"
    "Metafiles (*.wmf)|*.wmf";

NumberSpec Otherwise(NumberSpec spec, int value)
{
    spec.otherwise = value;
    return spec;
}

bool EditPen(EditorParams p)
{
    return EditDubl(p, 21, true, "044*", "Цвет карандаша:", "SpeedButton1", "045*", "Рисовать карандашом.");
}

bool EditBrush(EditorParams params)
{
    return RunDialog<TForm10>(params, [](EditorSession& s) {
        s.CanvasField();
        s.TextField("LEdit2", "046*", "Цвет кисти:");
        s.Show("SpeedButton2");
        s.Show("SpeedButton1");
        s.NumberField("se2", "Label2", "047*", "Ширина кисти;", Range(2, 99, 2, 2));
        s.MoveTo("se2", 5);
        s.MoveTo("Label2", 5);
        s.Hide("Label1");
        s.Hide("ComboBox1");
        return s.Run(22, "048*", "Рисовать кистью.");
    });
}

bool EditPixel(EditorParams p)
{
    return EditDubl(p, 23, true, "049*", "Цвет:", "SpeedButton1", "050*",
                    "Закрасить пиксель выбранным цветом (нарисовать точку).");
}

bool EditPipette(EditorParams params)
{
    return RunDialog<TFormFree>(params, [](EditorSession& s) {
        s.CanvasField();
        s.TextField("LEdit2", "051*", "Переменная для цвета:");
        s.Show("SpeedButton2");
        s.TextField("LEdit3", "052*", "Подпрограмма:");
        s.Show("SpeedButton4");
        s.Show("SpeedButton5");
        return s.Run(24, "053*", "Получить цвет пикселя.");
    });
}

bool EditLine(EditorParams params)
{
    return RunDialog<TForm10>(params, [](EditorSession& s) {
        s.CanvasField();
        s.TextField("LEdit2", "054*", "Цвет линии:");
        s.Show("SpeedButton2");
        s.Show("SpeedButton1");
        s.ListField("ComboBox1", "Label1", "055*", "Стиль линии:", kLineStyles);
        s.NumberField("se2", "Label2", "056*", "Ширина линии;", Range(1, 99, 1, 2));
        return s.Run(25, "057*", "Нарисовать прямую линию.");
    });
}

bool EditFloodFill(EditorParams p)
{
    return EditBox(p, {28, "065*", "Цвет заливки:", true, "066*", "Стиль заливки:", &kFillStyles, "067*",
                       "Закрасить замкнутую область пикселей."});
}

// The artistic brushes: a radius and, for most, a pressure at x 200.
struct ArtBrushEntry {
    std::int32_t id;
    std::optional<NumberSpec> pressure;
    std::string_view pressureKey, pressureCaption;
};

bool EditArtBrush(EditorParams params, const ArtBrushEntry& e)
{
    return RunDialog<TFormNumber>(params, [&](EditorSession& s) {
        s.CanvasField();
        s.NumberField("SpinEdit1", "Label1", "112*", "Радиус кисти (2 - 100):", Otherwise(Range(2, 100, 5, 3), 2));
        if (e.pressure) {
            s.NumberField("SpinEdit2", "Label2", e.pressureKey, e.pressureCaption, *e.pressure);
            s.MoveTo("SpinEdit2", 200);
            s.MoveTo("Label2", 200);
        }
        return s.Run(e.id, "114*", "Художественная кисть.");
    });
}

constexpr std::string_view kPressure1 = "Давление кисти (1 - 100):";

bool EditSmear(EditorParams p) { return EditArtBrush(p, {30, Range(1, 100, 1, 3), "113*", kPressure1}); }
bool EditFlow(EditorParams p)
{
    return EditArtBrush(p, {31, Range(4, 100, 4, 3), "115*", "Давление кисти (4 - 100):"});
}
bool EditSleek(EditorParams p) { return EditArtBrush(p, {32, std::nullopt, {}, {}}); }
bool EditEye(EditorParams p) { return EditArtBrush(p, {33, Otherwise(Range(1, 100, 1, 3), 4), "113*", kPressure1}); }
bool EditGlow(EditorParams p) { return EditArtBrush(p, {34, Otherwise(Range(1, 100, 4, 3), 1), "113*", kPressure1}); }
bool EditDark(EditorParams p) { return EditArtBrush(p, {35, Otherwise(Range(1, 100, 4, 3), 1), "113*", kPressure1}); }
bool EditSate(EditorParams p) { return EditArtBrush(p, {36, Otherwise(Range(1, 100, 4, 3), 1), "113*", kPressure1}); }

bool EditEraser(EditorParams params)
{
    return RunDialog<TFormNumber>(params, [](EditorSession& s) {
        s.CanvasField();
        s.NumberField("SpinEdit1", "Label1", "184*", "Ширина ластика:", Range(1, 99, 6, 2));
        s.NumberField("SpinEdit2", "Label2", "185*", "Глубина прозрачности (Transparent)", Range(0, 255, 0, 3));
        return s.Run(40, "186*", "Использовать инструмент ластик.");
    });
}

// A canvas and one number in TFormNumber.
bool EditOneNumber(EditorParams params, std::int32_t id, std::string_view labelKey, std::string_view label,
                   const NumberSpec& spec, std::string_view key, std::string_view description)
{
    return RunDialog<TFormNumber>(params, [&](EditorSession& s) {
        s.CanvasField();
        s.NumberField("SpinEdit1", "Label1", labelKey, label, spec);
        return s.Run(id, key, description);
    });
}

bool EditIntensity(EditorParams p)
{
    return EditOneNumber(p, 41, "086*", "Интенсивность выделенной области( 0 - 255 ):", Range(0, 255, 0, 3), "087*",
                         "Установить интенсивность выделенной области изображения  - глубина изменений текущего и "
                         "всех последующих - создаваемых выделенных областей изображения.");
}

bool EditMagicWand(EditorParams p)
{
    static const std::vector<std::string_view> styles{"Inclusive", "Exclusive", "Global"};
    return EditCanvasList(p, 42, "071*", "Стиль MagicWand:", styles, "072*", "Инструмент \" Волшебная палочка \".");
}

bool EditTolerance(EditorParams p)
{
    return EditOneNumber(p, 43, "233*", "Число разницы цветов(default 15):", Range(0, 255, 15, 3), "234*",
                         "Установить разницу цветов в исходной точке точки и области (по умолчанию 15).");
}

bool EditSelectFloodFill(EditorParams p)
{
    return EditDubl(p, 49, true, "049*", "Цвет:", "SpeedButton1", "077*",
                    "Закрасить выделенную область выбранным цветом. Если нет выделенной области - то заливка цветом "
                    "всего рисунка невзирая на границы цветов.");
}

bool EditFillPicture(EditorParams p)
{
    return EditDubl(p, 50, false, "078*", "Выбор файла рисунка", "SpeedButton3", "079*",
                    "Выбрать файл рисунка и заполнить маской рисунка в границах выделенной части.", kPictureFilter);
}

bool EditSetPicture(EditorParams p)
{
    return EditDubl(p, 51, false, "078*", "Выбор файла рисунка", "SpeedButton3", "080*",
                    "Выбрать файл изображения и установить в границах выделенной области.", kPictureFilter);
}

bool EditSelectTransparent(EditorParams p)
{
    return EditOneNumber(p, 52, "081*", "Параметр прозрачности ( 0 - 255 ):", Range(0, 255, 0, 3), "082*",
                         "Установить прозрачность всех пикселей выбранного цвета в границах выделенной области, или "
                         "глобально на всей картинке.");
}

bool EditFeather(EditorParams p)
{
    return EditOneNumber(p, 54, "088*", "Радиус пера размытия( 1 - 20):", Otherwise(Range(1, 20, 8, 2), 0), "089*",
                         "Изменить текущий выбор слоя (выделение) применяя размытие границ. Радиус определяет "
                         "интенсивность размытия.");
}

bool EditBlur(EditorParams params)
{
    return RunDialog<TFormCombo>(params, [](EditorSession& s) {
        s.CanvasField();
        s.NumberField("SpinEdit1", "Label1", "101*", "Радиус размытия.", Otherwise(Range(1, 100, 3, 3), 1));
        s.MoveTo("SpinEdit1", 5);
        return s.Run(59, "102*",
                     "Применить эффект тумана ( размытие) в пределах выбранной области изображения, или глобально "
                     "на всей картинке.");
    });
}

}  // namespace

std::vector<EditorRow> ToolEditorRows()
{
    return {
        {21, &EditPen},       {22, &EditBrush},         {23, &EditPixel},           {24, &EditPipette},
        {25, &EditLine},      {28, &EditFloodFill},     {30, &EditSmear},           {31, &EditFlow},
        {32, &EditSleek},     {33, &EditEye},           {34, &EditGlow},            {35, &EditDark},
        {36, &EditSate},      {40, &EditEraser},        {41, &EditIntensity},       {42, &EditMagicWand},
        {43, &EditTolerance}, {49, &EditSelectFloodFill}, {50, &EditFillPicture},   {51, &EditSetPicture},
        {52, &EditSelectTransparent}, {54, &EditFeather}, {59, &EditBlur},
    };
}

}  // namespace ix::editors
