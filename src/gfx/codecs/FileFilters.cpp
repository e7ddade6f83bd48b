#include "gfx/codecs/FileFilters.h"

#include "gfx/Cp1251.h"

#include <array>

namespace ix::gfx::codecs {

namespace {

constexpr std::string_view kCommon =
    "*.tif;*.gif;*.jpg;*.pcx;*.bmp;*.ico;*.cur;*.png;*.dcm;*.wmf;*.emf;*.tga;*.pxm;*.wbmp;*.jp2;*.j2k;*.dcx;*.crw;"
    "*.psd;*.iev;*.lyr;*.all;*.wdp;*.avi;*.mpg;*.wmv";

constexpr std::array<FileFilter, 28> kOpen{{
    {"Common Graphic Files (*.tif;*.gif;*.jpg;*.pcx;*.bmp;*.ico;*.cur;*.png;*.dcm;*.wmf;*.emf;*.tga;*.pxm;*.wbmp;"
     "*.jp2;*.j2k;*.dcx;*.crw;*.psd;*.iev;*.lyr;*.all;*.wdp;*.avi;*.mpg;*.wmv)",
     kCommon, ""},
    {"All Files (*.*)", "*.*", ""},
    {"TIFF Bitmap (*.tif;*.tiff;*.fax;*.g3n;*.g3f;*.xif)", "*.tif;*.tiff;*.fax;*.g3n;*.g3f;*.xif", ""},
    {"CompuServe Bitmap (*.gif)", "*.gif", ""},
    {"JPEG Bitmap (*.jpg;*.jpeg;*.jpe;*.jif)", "*.jpg;*.jpeg;*.jpe;*.jif", ""},
    {"PaintBrush (*.pcx)", "*.pcx", ""},
    {"Windows Bitmap (*.bmp;*.dib;*.rle)", "*.bmp;*.dib;*.rle", ""},
    {"Windows Icon (*.ico)", "*.ico", ""},
    {"Windows Cursor (*.cur)", "*.cur", ""},
    {"Portable Network Graphics (*.png)", "*.png", ""},
    {"DICOM Bitmap (*.dcm;*.dic;*.dicom)", "*.dcm;*.dic;*.dicom", ""},
    {"Windows Metafile (*.wmf)", "*.wmf", ""},
    {"Enhanced Windows Metafile (*.emf)", "*.emf", ""},
    {"Targa Bitmap (*.tga;*.targa;*.vda;*.icb;*.vst;*.pix)", "*.tga;*.targa;*.vda;*.icb;*.vst;*.pix", ""},
    {"Portable Pixmap, GrayMap, BitMap (*.pxm;*.ppm;*.pgm;*.pbm)", "*.pxm;*.ppm;*.pgm;*.pbm", ""},
    {"Wireless Bitmap (*.wbmp)", "*.wbmp", ""},
    {"JPEG2000 (*.jp2)", "*.jp2", ""},
    {"JPEG2000 Code Stream (*.j2k;*.jpc;*.j2c)", "*.j2k;*.jpc;*.j2c", ""},
    {"Multipage PCX (*.dcx)", "*.dcx", ""},
    {"Camera RAW (*.crw;*.cr2;*.nef;*.raw;*.pef;*.raf;*.x3f;*.bay;*.orf;*.srf;*.mrw;*.dcr;*.sr2)",
     "*.crw;*.cr2;*.nef;*.raw;*.pef;*.raf;*.x3f;*.bay;*.orf;*.srf;*.mrw;*.dcr;*.sr2", ""},
    {"Photoshop PSD (*.psd)", "*.psd", ""},
    {"Vectorial objects (*.iev)", "*.iev", ""},
    {"Layers (*.lyr)", "*.lyr", ""},
    {"Layers and objects (*.all)", "*.all", ""},
    {"Microsoft HD Photo (*.wdp;*.hdp)", "*.wdp;*.hdp", ""},
    {"Видео для Windows (*.avi)", "*.avi", ""},
    {"Mpeg (*.mpeg;*.mpg)", "*.mpeg;*.mpg", ""},
    {"Windows Media Video (*.wmv)", "*.wmv", ""},
}};

constexpr std::array<FileFilter, 19> kSave{{
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
}};

} // namespace

std::span<const FileFilter> OpenPictureFilters() { return kOpen; }
std::span<const FileFilter> SavePictureFilters() { return kSave; }

std::string FilterText(std::span<const FileFilter> filters)
{
    std::string utf8;
    for (const FileFilter& f : filters) {
        if (!utf8.empty()) utf8 += '|';
        utf8.append(f.description).append("|").append(f.patterns);
    }
    return Utf8ToCp1251(utf8);
}

std::string_view SaveFilterExtension(int index)
{
    if (index < 1 || index > static_cast<int>(kSave.size())) return {};
    return kSave[static_cast<std::size_t>(index - 1)].appendedExtension;
}

} // namespace ix::gfx::codecs
