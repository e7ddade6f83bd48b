#include "actions/PictureDialogs.h"

#include "gfx/Cp1251.h"
#include "ui/Dialogs.h"
#include "ui/Platform.h"

#include <iterator>

namespace ix::actions {

namespace {

// Texts are kept in UTF-8 here and sent as Windows-1251.
struct FilterRow {
    const char* description;
    const char* patterns;
};

struct SaveFilterRow {
    const char* description;
    const char* patterns;
    const char* extension;
};

constexpr FilterRow kOpenFilters[] = {
    {"Common Graphic Files (*.tif;*.gif;*.jpg;*.pcx;*.bmp;*.ico;*.cur;*.png;*.dcm;*.wmf;*.emf;*.tga;*.pxm;*.wbmp;*.jp2;*.j2k;*.dcx;*.crw;*.psd;*.iev;*.lyr;*.all;*.wdp;*.avi;*.mpg;*.wmv)", "*.tif;*.gif;*.jpg;*.pcx;*.bmp;*.ico;*.cur;*.png;*.dcm;*.wmf;*.emf;*.tga;*.pxm;*.wbmp;*.jp2;*.j2k;*.dcx;*.crw;*.psd;*.iev;*.lyr;*.all;*.wdp;*.avi;*.mpg;*.wmv"},
    {"All Files (*.*)", "*.*"},
    {"TIFF Bitmap (*.tif;*.tiff;*.fax;*.g3n;*.g3f;*.xif)", "*.tif;*.tiff;*.fax;*.g3n;*.g3f;*.xif"},
    {"CompuServe Bitmap (*.gif)", "*.gif"},
    {"JPEG Bitmap (*.jpg;*.jpeg;*.jpe;*.jif)", "*.jpg;*.jpeg;*.jpe;*.jif"},
    {"PaintBrush (*.pcx)", "*.pcx"},
    {"Windows Bitmap (*.bmp;*.dib;*.rle)", "*.bmp;*.dib;*.rle"},
    {"Windows Icon (*.ico)", "*.ico"},
    {"Windows Cursor (*.cur)", "*.cur"},
    {"Portable Network Graphics (*.png)", "*.png"},
    {"DICOM Bitmap (*.dcm;*.dic;*.dicom)", "*.dcm;*.dic;*.dicom"},
    {"Windows Metafile (*.wmf)", "*.wmf"},
    {"Enhanced Windows Metafile (*.emf)", "*.emf"},
    {"Targa Bitmap (*.tga;*.targa;*.vda;*.icb;*.vst;*.pix)", "*.tga;*.targa;*.vda;*.icb;*.vst;*.pix"},
    {"Portable Pixmap, GrayMap, BitMap (*.pxm;*.ppm;*.pgm;*.pbm)", "*.pxm;*.ppm;*.pgm;*.pbm"},
    {"Wireless Bitmap (*.wbmp)", "*.wbmp"},
    {"JPEG2000 (*.jp2)", "*.jp2"},
    {"JPEG2000 Code Stream (*.j2k;*.jpc;*.j2c)", "*.j2k;*.jpc;*.j2c"},
    {"Multipage PCX (*.dcx)", "*.dcx"},
    {"Camera RAW (*.crw;*.cr2;*.nef;*.raw;*.pef;*.raf;*.x3f;*.bay;*.orf;*.srf;*.mrw;*.dcr;*.sr2)", "*.crw;*.cr2;*.nef;*.raw;*.pef;*.raf;*.x3f;*.bay;*.orf;*.srf;*.mrw;*.dcr;*.sr2"},
    {"Photoshop PSD (*.psd)", "*.psd"},
    {"Vectorial objects (*.iev)", "*.iev"},
    {"Layers (*.lyr)", "*.lyr"},
    {"Layers and objects (*.all)", "*.all"},
    {"Microsoft HD Photo (*.wdp;*.hdp)", "*.wdp;*.hdp"},
    {"Видео для Windows (*.avi)", "*.avi"},
    {"Mpeg (*.mpeg;*.mpg)", "*.mpeg;*.mpg"},
    {"Windows Media Video (*.wmv)", "*.wmv"},
};

constexpr SaveFilterRow kSaveFilters[] = {
    {"TIFF Bitmap (*.tif;*.tiff;*.fax;*.g3n;*.g3f;*.xif)", "*.tif;*.tiff;*.fax;*.g3n;*.g3f;*.xif", ".tif"},
    {"CompuServe Bitmap (*.gif)", "*.gif", ".gif"},
    {"JPEG Bitmap (*.jpg;*.jpeg;*.jpe;*.jif)", "*.jpg;*.jpeg;*.jpe;*.jif", ".jpg"},
    {"PaintBrush (*.pcx)", "*.pcx", ".pcx"},
    {"Windows Bitmap (*.bmp;*.dib;*.rle)", "*.bmp;*.dib;*.rle", ".bmp"},
    {"Windows Icon (*.ico)", "*.ico", ".ico"},
    {"Portable Network Graphics (*.png)", "*.png", ".png"},
    {"Targa Bitmap (*.tga;*.targa;*.vda;*.icb;*.vst;*.pix)", "*.tga;*.targa;*.vda;*.icb;*.vst;*.pix", ".tga"},
    {"Portable Pixmap, GrayMap, BitMap (*.pxm;*.ppm;*.pgm;*.pbm)", "*.pxm;*.ppm;*.pgm;*.pbm", ".pxm"},
    {"Wireless Bitmap (*.wbmp)", "*.wbmp", ".wbmp"},
    {"JPEG2000 (*.jp2)", "*.jp2", ".jp2"},
    {"JPEG2000 Code Stream (*.j2k;*.jpc;*.j2c)", "*.j2k;*.jpc;*.j2c", ".j2k"},
    {"Multipage PCX (*.dcx)", "*.dcx", ".dcx"},
    {"Photoshop PSD (*.psd)", "*.psd", ".psd"},
    {"Vectorial objects (*.iev)", "*.iev", ".iev"},
    {"Layers (*.lyr)", "*.lyr", ".lyr"},
    {"Layers and objects (*.all)", "*.all", ".all"},
    {"Microsoft HD Photo (*.wdp;*.hdp)", "*.wdp;*.hdp", ".wdp"},
    {"Видео для Windows (*.avi)", "*.avi", ".avi"},
};

template <typename Row, std::size_t N>
std::string FilterText(const Row (&rows)[N])
{
    std::string text;
    for (const Row& row : rows) {
        if (!text.empty()) text += '|';
        text += row.description;
        text += '|';
        text += row.patterns;
    }
    return gfx::Utf8ToCp1251(text);
}

} // namespace

const std::string& OpenPictureFilter()
{
    static const std::string filter = FilterText(kOpenFilters);
    return filter;
}

const std::string& SavePictureFilter()
{
    static const std::string filter = FilterText(kSaveFilters);
    return filter;
}

std::string_view SaveFilterExtension(int index)
{
    if (index < 1 || index > static_cast<int>(std::size(kSaveFilters))) return {};
    return kSaveFilters[index - 1].extension;
}

std::optional<gfx::Color> ShowColorDialog()
{
    ui::ColorDialogRequest request;
    request.initial = gfx::colors::Black;
    return ui::ThePlatform().ChooseColor(request);
}

std::optional<std::string> ShowOpenPictureDialog(const OpenPictureSettings& settings)
{
    ui::FileDialogRequest request;
    request.kind = ui::FileDialogKind::Open;
    request.title = settings.title;
    request.initialDir = settings.initialDir;
    request.fileName = settings.fileName;
    request.filter = OpenPictureFilter();
    request.filterIndex = settings.filterIndex;
    request.preview = true;
    request.alwaysAnimate = settings.alwaysAnimate;
    auto result = ui::ThePlatform().ChooseFile(request);
    if (!result) return std::nullopt;
    return std::move(result->fileName);
}

std::optional<std::string> ShowSavePictureDialog()
{
    ui::FileDialogRequest request;
    request.kind = ui::FileDialogKind::Save;
    request.filter = SavePictureFilter();
    request.filterIndex = 1;
    request.preview = true;
    auto result = ui::ThePlatform().ChooseFile(request);
    if (!result) return std::nullopt;
    // The extension is appended whatever the typed name ends in: the save dialog only
    // names the file, and the file actions take the format from the last extension.
    return result->fileName + std::string(SaveFilterExtension(result->filterIndex));
}

} // namespace ix::actions
