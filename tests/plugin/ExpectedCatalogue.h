#pragma once
// The catalogue as a host must see it, written out independently of the plug-in's own
// table: one row per line, "id|name|types|key|default hint", UTF-8, category rows with id
// 0 and no types. Shared by the Linux black-box tests and the Windows test executable.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "plugin/FakeHost.h"

namespace ixtest {

inline constexpr std::string_view kExpectedCatalogue = R"catalogue(
0|ixCanvas|||
0|Create \ Properties|||
1|ixCanvasCreate|1|002*|Создать объект "ixCanvas"
2|ixCanvasDelete|1|003*|Удалить объект "ixCanvas"
3|ixCanvasCreateFile|1,1,1,1|007*|Создать новый файл по заданным размерам. При указании прозрачности - будет создан фон с указанной прозрачностью, или оставить этот параметр пустым.
4|ixCanvasCenter|1,1|009*|Расположение создаваемого или загружаемого файла на поле (по центру (True), или по верхнему левому углу (False)).
5|ixCanvasBackground|1,1,1|012*|Выбрать и установить цвет и стиль подложки объекта "ixCanvas".
6|ixCanvasWallPaper|1,5,1|015*|Выбрать и установить файл изображения в качестве фона объекта "ixCanvas".
7|ixCanvasHorizRuler|1,1,1,1|019*|Установить цвет горизонтальной линейки, скрыть \ показать линейку.
8|ixCanvasVertRuler|1,1,1,1|023*|Установить цвет вертикальной линейки, скрыть \ показать линейку.
9|ixCanvasVRulerFont|1,1,1|026*|Выбрать и установить цвет и стиль отображения разметки вертикальной линейки.
10|ixCanvasHRulerFont|1,1,1|029*|Выбрать и установить цвет и стиль отображения разметки горизонтальной линейки.
11|ixCanvasGetZoom|1,6|031*|Назначить переменную для отображения процентного увеличения.
12|ixCanvasGrid|1,1|032*|Показать \ Скрыть сетку разделения пикселей ( при увеличении свыше 400 %).
13|ixCanvasSetZoom|1,1|034*|Установить увеличение ( ZOOM ) в процентах (0 - 20000).
14|ixCanvasSetCursor|1,1|036*|Установить курсор из стандартного набора курсоров.
15|ixCanvasLoadCursor|1,1|038*|Загрузить курсор из файла.
16|ixCanvasCoordinates|1,6,6|043*|Получить текущие координаты курсора мышки на объекте " ixKanvas ".
17|ixCanvasFit|1,1|111*|Отрегулировать масштаб в соответствии с клиентской областью (с соотношением сторон).
18|ixCanvasSetSize|1,1,1|167*|Установить размер клиентской области (область рисования).
19|ixCanvasColorBack|1,1|169*|Установить цвет панели находящейся за клиентской областью для рисования.
20|ixCanvasIsEmpty|1,6|224*|Определить загружено ли изображение на холст. Возвращает "True" если изображение отсутствует.
0|Tools \ Canvas|||
21|ixCanvasPen|1,1|045*|Рисовать карандашом.
22|ixCanvasBrush|1,1,1|048*|Рисовать кистью.
23|ixCanvasPixel|1,1|050*|Закрасить пиксель выбранным цветом (нарисовать точку).
24|ixCanvasPipette|1,6,6|053*|Получить цвет пикселя под курсором.
25|ixCanvasLine|1,1,1,1|057*|Нарисовать прямую линию.
26|ixCanvasRectangle|1,1,1,1,1,1|063*|Нарисовать прямоугольник.
27|ixCanvasEllipse|1,1,1,1,1,1|064*|Нарисовать круг.
28|ixCanvasFloodFill|1,1,1|067*|Закрасить замкнутую область пикселей.
29|ixCanvasAirbrush|1,1,1,1|070*|Применить для окрашивания распылитель.
30|ixCanvasBrushSmear|1,1,1|114*|Художественная кисть.
31|ixCanvasBrushFlow|1,1,1|114*|Художественная кисть.
32|ixCanvasBrushSleek|1,1|114*|Художественная кисть.
33|ixCanvasBrushEye|1,1,1|114*|Художественная кисть.
34|ixCanvasBrushGlow|1,1,1|114*|Художественная кисть.
35|ixCanvasBrushDark|1,1,1|114*|Художественная кисть.
36|ixCanvasBrushSate|1,1,1|114*|Художественная кисть.
37|ixCanvasBrushGR|1,1,1,1,1|119*|Градиентная кисть.
38|ixCanvasBrushTParent|1,1,1,1,1,1,1|163*|Использовать кисть из набора кистей.
39|ixCanvasToolsCancel|1|146*|Отменить выбор всех инструментов.
40|ixCanvasEraser|1,1,1|186*|Использовать инструмент ластик.
0|Tools \ Select|||
41|ixSelectIntensity|1,1|087*|Установить интенсивность выделенной области изображения  - глубина изменений текущего и всех последующих - создаваемых выделенных областей изображения.
42|ixSelectMagicWand|1,1|072*|Инструмент " Волшебная палочка." (выделение группы пикселей).
43|ixMagicWandTolerance|1,1|234*|Установить разницу цветов в исходной точке точки и области (по умолчанию 15)." (выделение группы пикселей).
44|ixSelectRectangle|1|073*|Выделить область изображения прямоугольником.
45|ixSelectLasso|1|074*|Выделить область изображения обводом мышки.
46|ixSelectEllips|1|075*|Выделить область изображения эллипсом.
47|ixSelectPolygon|1|076*|Выделить область изображения многоугольником (полигон).
48|ixCoordinateSelect|1,6,6,6,6|094*|Получить координаты выбранной (выделенной) области.
49|ixSelectFloodFill|1,1|077*|Закрасить выделенную область выбранным цветом. Если нет выделенной области - то заливка цветом всего рисунка невзирая на границы цветов.
50|ixSelectFillPicture|1,1|079*|Выбрать файл изображения и заполнить маской рисунка в границах выделенной области.
51|ixSelectSetPicture|1,1|080*|Выбрать файл изображения и установить в границах выделенной области.
52|ixSelectTransparent|1,1|082*|Установить прозрачность всех пикселей выбранного цвета в границах выделенной области, или глобально на всей картинке.
53|ixSelectGradTparent|1,1,1,1|085*|Установить прозрачность всех пикселей внутри диапазона MinColor и MaxColor в границах выделенной области, или глобально на всей картинке.
54|ixSelectFeather|1,1|089*|Изменить текущий выбор выделенной области применяя размытие границ. Радиус определяет интенсивность размытия.
55|ixEffectsWindow|1|095*|Вызвать окно эффектов. Выбранные эффекты действуют на текущий выделенный слой или на весь рисунок глобально.
56|ixSelectTrimming|1|096*|Обрезает выбранную область и копирует как текущее изображение без использования буфера обмена.
57|ixSelectCut|1|198*|Копировать и вырезать выбранную область в буфер обмена.
58|ixSelectNegative|1|100*|Преобразовать выделенную область изображения  в область с эффектом негатива.
59|ixSelectBlur|1,1|102*|Применить эффект тумана ( размытие) в пределах выбранной области изображения, или глобально на всей картинке.
60|ixSelectRedEyes|1|110*|Удалить "красные глаза".
61|ixCanvasSelectStyle|1,1,1,1,1|208*|Установить размер и цвет точек выделения области (точки границы захвата).
62|ixSetRubberBandColor|1,1,1|211*|Установить цвет для линии границы захвата (области выделения)
63|ixCanvasSelectCancel|1|212*|Отменить выбор выделения области изображения.
0|Miniatures|||
64|ixCanvasMiniatureSelSave|1,1|098*|Сохранить в миниатюре выбранную область изображения или всё изображение.
65|ixCanvasMiniatureExtract|1,1|099*|Извлечь из миниатюры изображение на выделенную область или полностью заменить текущее.
66|ixCanvasMiniatureSize|1,1,1,1|150*|Установить размеры миниатюр.
67|ixCanvasMiniatureVisible|1,1,1|152*|Показать \ Скрыть миниатюры.
68|ixCanvasMiniatureLabel|1,1,1|154*|Изменить метки миниатюр ( текст в верх. лев углу миниатюры).
69|ixCanvasMiniatureSub|1,1,1|156*|Выполнить подпрограмму из секции подпрограмм при клике правой кнопкой мышки по миниатюре.
70|ixCanvasMiniatureFile|1,1,1|175*|Выбрать миниатюру и загрузить внешний файл изображения.
0|Input \ Output Clipboard|||
71|ixCopyToClipboard|1|103*|Копировать всё изображение в буфер обмена.
72|ixCanvasClipboardTest|1,6|105*|Получить информацию буфера обмена. True - если буфер обмена содержит данные, действительные для " ixCanvas ".
73|ixPasteFromClipboard|1|106*|Вставить изображение из буфера обмена.
74|ixSelCopyToClip|1|107*|Копировать выбранную область изображения в буфер обмена.
75|ixSelCutToClip|1|108*|Копировать и вырезать выбранную область изображения в буфер обмена.
76|ixSelPasteClipStretch|1|109*|Вставить изображение из буфера обмена в выбранную область растягивая изображение для соответствия выбору области.
0|Processing|||
77|ixProcRemovePixel|1,1,1|121*|Работает только с ч\ белыми изображениями. Удаляет все изолированные пиксели (шум).
78|ixProcRemoveNoise|1,1,1|123*|Работает только с ч\ белыми изображениями. Удаляет шумовые пиксели. Если "True" - то изображение инвертируется. Кол-во проходов должно быть больше 0.
79|ixProcEncrypt|1,1|125*|Зашифровать текущее изображение. Используемый алгоритм -  TEA Tiny Encryption Algorithm с ключом из 128 бит.
80|ixProcDecrypt|1,1|126*|Дешифровать текущее изображение зашифрованное командой  " ixProcEncrypt ".
81|ixProcFlip|1,1|128*|Перевернуть ( зеркально отобразить ) текущее изображение в зависимости от выбранного направления переворота.
82|ixProcReflection|1,1|130*|Спроецировать изображение вертикально для имитации отражения.
83|ixProcAddShadow|1,1,1,1,1,1|136*|Добавить по краю изображения мягкую тень.
84|ixProcTextRotate|1,6|138*|Оценить и повернуть ТЕКСТОВОЕ изображение (автоповорот).
85|ixCanvasEdgeDetect|1|213*|Преобразует цветное изображение в чёрно-белое с помощью алгоритма обнаружения края.
86|ixCanvasEdgePen|1|214*|Преобразует цветное изображение в чёрно-белое с эффектом рисунка карандашом.
87|ixCanvasGetNumColor|1,6|216*|Получить количество найденных цветов в текущем изображении (без ограничений).
88|ixCanvasConvertTo|1,1|218*|Уменьшить количество цветов до выбранного значения.
89|ixCanvasWriteHiddenText|1,1|219*|Записать скрытый текст в цветное изображение. Скрытый текст будет потерян при сохранении в JPEG или при корректировке цвета.
90|ixCanvasReadHiddenText|1,6|222*|Прочитать скрытый текст в цветном изображение..
91|ixCanvasSetMask|1,1,1,1|228*|Выбрать файл маски и наложить на текущее изображение.
92|ixCanvasResample|1,1,1,1|232*|Изменить размеры изображения. Фильтры оптимизации: Качество(Hermite, rfBell, BSpline, Lanczos3, Mitchell, Nearest, Bilinear, Bicubic), Скорость(Triangle, Linear, FastLinear), Чёрно-белые(ProjectBW, ProjectWB).
0|Dialog|||
93|ixCanvasColorBox|6|040*|Вызвать окно диалога выбора цвета, выбрать цвет и сохранить его в переменной.
94|ixCanvasOpenDialog|6,1,1,1,1,1|145*|Вызвать окно диалога выбора файлов изображений, выбрать файл и сохранить его имя в переменной.
95|ixCanvasSaveDialog|6|171*|Вызвать окно диалога сохранения файлов изображений, выбрать имя и расширение файла и сохранить его в переменной.
0|Layers|||
96|ixLayersAdd|1|176*|Добавить новый слой на поле рисования.
97|ixLayersDelete|1|177*|Удалить выбранный слой.
98|ixLayersPriority|1|178*|Вернуть управление слоями.
99|ixLayersMove|1,1|180*|Переместить слой выше или ниже в списке созданных слоёв в зависимости от выбора.
100|ixLayersRotate|1|181*|Повернуть слой (возможность поворота слоя мышкой вокруг воображаемой оси).
101|ixLayersVisible|1,1|183*|Показать слой(True), или скрыть слой(False)
102|ixLayersMergeAll|1|164*|Объединить все слои в один слой.
103|ixLayersGetCount|1,6|188*|Получить количество слоёв
104|ixLayersCurrent|1,6|190*|Получить номер активного слоя из списка слоёв.
105|ixLayersMerge|1,1,1|193*|Объединить два выбранных слоя в один слой. Созданный слой будет иметь младший индекс (номер слоя.
106|ixLayersEffect|1,1|195*|Применить выбранный эффект из списка эффектов к слою.
107|ixLayersTransparent|1,1|197*|Установить прозрачность слоя.
0|Open \ Save File|||
108|ixCanvasLoadFile|1,1|173*|Загрузить файл изображения.
109|ixLayersLoadFile|1,1|200*|Загрузить файл содержащий слои включая растровые изображения.
110|ixCanvasSaveFile|1,1|202*|Сохранить изображение в файл.
111|ixSaveFileMergeLayers|1,1|203*|Сохранить все слои в файл изображения объединёнными.
)catalogue";

struct ExpectedRow {
  std::int32_t id = 0;
  std::string name;
  std::vector<std::uint8_t> types;
  std::string key;
  std::string hint;  // UTF-8
};

inline std::vector<std::string_view> SplitOn(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

inline std::vector<ExpectedRow> ExpectedRows() {
  std::vector<ExpectedRow> rows;
  for (std::string_view line : SplitOn(kExpectedCatalogue, '\n')) {
    if (line.empty()) continue;
    const std::vector<std::string_view> fields = SplitOn(line, '|');
    if (fields.size() != 5) throw std::runtime_error("bad expected row: " + std::string(line));
    ExpectedRow row;
    row.id = std::stoi(std::string(fields[0]));
    row.name = fields[1];
    if (!fields[2].empty()) {
      for (std::string_view code : SplitOn(fields[2], ',')) row.types.push_back(static_cast<std::uint8_t>(std::stoi(std::string(code))));
    }
    row.key = fields[3];
    row.hint = fields[4];
    rows.push_back(std::move(row));
  }
  return rows;
}

// UTF-8 to Windows-1251 for the characters the catalogue uses (ASCII and the Russian
// alphabet); anything else is a mistake in the expectations.
inline std::string ToCp1251(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++i;
      continue;
    }
    if ((lead & 0xE0) != 0xC0 || i + 1 >= utf8.size()) throw std::runtime_error("unexpected character");
    const unsigned cp = ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
    i += 2;
    if (cp >= 0x410 && cp <= 0x44F) {
      out += static_cast<char>(0xC0 + (cp - 0x410));
    } else if (cp == 0x401) {
      out += '\xA8';
    } else if (cp == 0x451) {
      out += '\xB8';
    } else {
      throw std::runtime_error("unexpected character");
    }
  }
  return out;
}

// The AddActionProc call a row must produce.
inline AddActionCall ExpectedCall(const ExpectedRow& row) {
  AddActionCall call;
  call.id = row.id;
  call.name = row.name;
  if (row.id == 0) {
    call.hint = "";
    call.types = {0};
    call.typesHigh = 0;
    call.count = 0;
  } else {
    call.hint = ToCp1251(row.hint);
    call.types = row.types;
    call.typesHigh = static_cast<std::int32_t>(row.types.size()) - 1;
    call.count = static_cast<std::int32_t>(row.types.size());
  }
  return call;
}

}  // namespace ixtest
