#!/usr/bin/env python3
"""Writes the malformed picture and layer files kept beside this script.

Every file is hostile in one way (named after it); each must be refused cleanly by the
decoders: an error, never a crash, a hang or an allocation the file cannot justify.
Run it again after adding a case; the files are committed so the tests need no Python.
"""
import struct
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent
files = {}


def le16(v): return struct.pack('<H', v)
def le32(v): return struct.pack('<I', v & 0xFFFFFFFF)
def be16(v): return struct.pack('>H', v)
def be32(v): return struct.pack('>I', v & 0xFFFFFFFF)


def bmp(width, height, bpp, compression=0, pixels=b'', palette=b'', offset=None, colors=0):
    header = le32(40) + struct.pack('<ii', width, height) + le16(1) + le16(bpp) + le32(compression) + le32(len(pixels))
    header += le32(2835) * 2 + le32(colors) + le32(0)
    off = 14 + len(header) + len(palette) if offset is None else offset
    body = header + palette + pixels
    return b'BM' + le32(14 + len(body)) + le32(0) + le32(off) + body


grey_palette = b''.join(bytes([i, i, i, 0]) for i in range(256))
files['bmp_huge_dimensions.bmp'] = bmp(200000, 200000, 24, pixels=b'\0' * 16)
files['bmp_huge_area.bmp'] = bmp(60000, 60000, 24, pixels=b'\0' * 16)
files['bmp_zero_width.bmp'] = bmp(0, 10, 24, pixels=b'\0' * 16)
files['bmp_truncated_pixels.bmp'] = bmp(64, 64, 24, pixels=b'\x80' * 1000)
files['bmp_bad_depth.bmp'] = bmp(4, 4, 7, pixels=b'\0' * 64)
files['bmp_rle8_literal_past_end.bmp'] = bmp(16, 16, 8, compression=1, pixels=b'\x00\xff\x01\x02', palette=grey_palette)
files['bmp_rle4_on_8bit.bmp'] = bmp(16, 16, 8, compression=2, pixels=b'\x04\x11\x00\x01', palette=grey_palette)
files['bmp_missing_palette.bmp'] = bmp(8, 8, 8, pixels=b'\0' * 64, offset=54)
files['bmp_offset_past_end.bmp'] = bmp(8, 8, 24, pixels=b'\0' * 192, offset=0x7FFFFFFF)
files['bmp_header_only.bmp'] = bmp(8, 8, 24)[:30]


def pcx(xmax, ymax, bits=8, planes=3, bpl=None, data=b''):
    bpl = bpl if bpl is not None else (xmax + 1)
    h = bytes([0x0A, 5, 1, bits]) + le16(0) + le16(0) + le16(xmax) + le16(ymax) + le16(96) + le16(96)
    h += b'\0' * 48 + b'\0' + bytes([planes]) + le16(bpl & 0xFFFF) + le16(1) + b'\0' * 58
    return h + data


files['pcx_huge_window.pcx'] = pcx(65535, 65535, data=b'\xc1\x00' * 8)
files['pcx_truncated.pcx'] = pcx(31, 31, data=b'\xff\x10' * 10)
files['pcx_short_line.pcx'] = pcx(31, 31, bpl=2, data=b'\0' * 100)
files['pcx_palette_missing.pcx'] = pcx(3, 3, bits=8, planes=1, data=b'\0' * 16)
files['pcx_bad_depth.pcx'] = pcx(3, 3, bits=2, planes=2, data=b'\0' * 16)
files['dcx_page_past_end.dcx'] = le32(0x3ADE68B1) + le32(0x00FFFFFF) + le32(0)
files['dcx_no_pages.dcx'] = le32(0x3ADE68B1) + le32(0) + b'\0' * 8


def tga(width, height, depth=24, kind=2, data=b'', descriptor=0, cmap=(0, 0, 0, 0)):
    cmtype, first, length, cdepth = cmap
    h = bytes([0, cmtype, kind]) + le16(first) + le16(length) + bytes([cdepth]) + le16(0) + le16(0)
    h += le16(width) + le16(height) + bytes([depth, descriptor])
    return h + data


files['tga_huge_rle.tga'] = tga(65535, 65535, kind=10, data=b'\xff\x01\x02\x03' * 4)
files['tga_truncated_raw.tga'] = tga(100, 100, data=b'\x10' * 500)
files['tga_rle_truncated_packet.tga'] = tga(16, 16, 32, kind=10, data=b'\x7f\x01\x02')
files['tga_colormap_truncated.tga'] = tga(4, 4, 8, kind=1, cmap=(1, 0, 256, 24), data=b'\0' * 20)
files['pnm_huge.ppm'] = b'P6\n1000000 1000000\n255\n' + b'\0' * 30
files['pnm_truncated.ppm'] = b'P6\n64 64\n255\n' + b'\x7f' * 100
files['pnm_maxval_zero.pgm'] = b'P5\n4 4\n0\n' + b'\0' * 16
files['pnm_maxval_huge.pgm'] = b'P5\n4 4\n70000\n' + b'\0' * 32
files['pnm_number_overflow.pbm'] = b'P4\n99999999999999999999 1\n' + b'\0' * 4
files['pnm_plain_garbage.pbm'] = b'P1\n4 4\n0 1 x 1\n'
files['pnm_plain_short.ppm'] = b'P3\n100 100\n255\n1 2 3\n'


def ico(entries, payload, kind=1):
    d = le16(0) + le16(kind) + le16(len(entries))
    for (w, h, size, off) in entries:
        d += bytes([w, h, 0, 0]) + le16(1) + le16(32) + le32(size) + le32(off)
    return d + payload


dib_header = le32(40) + struct.pack('<ii', 16, 32) + le16(1) + le16(32) + le32(0) * 6
files['ico_entry_past_end.ico'] = ico([(16, 16, 0x1000, 22)], dib_header)
files['ico_dib_truncated.ico'] = ico([(16, 16, len(dib_header) + 10, 22)], dib_header + b'\0' * 10)
files['ico_huge_dib.ico'] = ico([(0, 0, 60, 22)], le32(40) + struct.pack('<ii', 100000, 200000) + le16(1) + le16(32) + le32(0) * 6 + b'\0' * 20)
files['ico_png_entry_truncated.ico'] = ico([(16, 16, 20, 22)], b'\x89PNG\r\n\x1a\n' + b'\0' * 12)
files['cur_dib_bad_depth.cur'] = ico([(16, 16, 60, 22)], le32(40) + struct.pack('<ii', 16, 32) + le16(1) + le16(3) + le32(0) * 6 + b'\0' * 20, kind=2)
files['wbmp_ext_header.wbmp'] = bytes([0, 0x80, 4, 4]) + b'\0' * 4
files['wbmp_long_integer.wbmp'] = bytes([0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 1]) + b'\0' * 8


def chunk(kind, data):
    return be32(len(data)) + kind + data + be32(zlib.crc32(kind + data))


PNG_SIG = b'\x89PNG\r\n\x1a\n'
files['png_huge_ihdr.png'] = PNG_SIG + chunk(b'IHDR', be32(0x7FFFFFFF) + be32(0x7FFFFFFF) + bytes([8, 2, 0, 0, 0])) + chunk(b'IDAT', zlib.compress(b'\0' * 16)) + chunk(b'IEND', b'')
files['png_bad_crc.png'] = PNG_SIG + chunk(b'IHDR', be32(4) + be32(4) + bytes([8, 2, 0, 0, 0]))[:-4] + b'BAD!' + chunk(b'IEND', b'')
files['png_truncated_idat.png'] = PNG_SIG + chunk(b'IHDR', be32(64) + be32(64) + bytes([8, 6, 0, 0, 0])) + chunk(b'IDAT', zlib.compress(b'\0' * 400)) + chunk(b'IEND', b'')
files['png_bad_depth.png'] = PNG_SIG + chunk(b'IHDR', be32(4) + be32(4) + bytes([3, 2, 0, 0, 0])) + chunk(b'IEND', b'')
files['png_zlib_bomb_rows.png'] = PNG_SIG + chunk(b'IHDR', be32(16) + be32(16) + bytes([8, 0, 0, 0, 0])) + chunk(b'IDAT', zlib.compress(b'\x09' * 100000)) + chunk(b'IEND', b'')


def seg(marker, data):
    return bytes([0xFF, marker]) + be16(len(data) + 2) + data


JPEG_SOF_HUGE = seg(0xC0, bytes([8]) + be16(65500) + be16(65500) + bytes([3, 1, 0x22, 0, 2, 0x11, 0, 3, 0x11, 0]))
files['jpeg_huge_frame.jpg'] = b'\xff\xd8' + JPEG_SOF_HUGE + b'\xff\xd9'
files['jpeg_no_frame.jpg'] = b'\xff\xd8\xff\xda' + b'\0' * 20
files['jpeg_bad_marker_length.jpg'] = b'\xff\xd8\xff\xe0\x00\x01' + b'\0' * 10
files['jpeg_truncated_scan.jpg'] = b'\xff\xd8' + seg(0xDB, bytes([0]) + bytes(range(1, 65))) + seg(0xC0, bytes([8]) + be16(16) + be16(16) + bytes([1, 1, 0x11, 0])) + seg(0xDA, bytes([1, 1, 0, 0, 63, 0])) + b'\x12\x34'
files['gif_huge_screen.gif'] = b'GIF89a' + le16(65535) + le16(65535) + bytes([0, 0, 0]) + b',' + le16(0) + le16(0) + le16(65535) + le16(65535) + bytes([0, 2]) + b'\x02\x44\x01\x00;'
files['gif_truncated_lzw.gif'] = b'GIF89a' + le16(8) + le16(8) + bytes([0x80, 0, 0]) + b'\0' * 6 + b',' + le16(0) + le16(0) + le16(8) + le16(8) + bytes([0, 2]) + b'\x05\x84\x8f\xa9'
files['gif_bad_code_size.gif'] = b'GIF89a' + le16(4) + le16(4) + bytes([0x80, 0, 0]) + b'\0' * 6 + b',' + le16(0) + le16(0) + le16(4) + le16(4) + bytes([0, 15]) + b'\x02\xff\xff\x00;'
files['gif_no_image.gif'] = b'GIF89a' + le16(4) + le16(4) + bytes([0, 0, 0]) + b';'


def tiff(entries, extra=b''):
    # Little-endian TIFF with one IFD at offset 8; entries: (tag, type, count, value)
    ifd = le16(len(entries))
    for tag, typ, count, value in sorted(entries):
        ifd += le16(tag) + le16(typ) + le32(count) + le32(value)
    ifd += le32(0)
    return b'II*\x00' + le32(8) + ifd + extra


files['tiff_huge.tif'] = tiff([(256, 4, 1, 0x7FFFFFFF), (257, 4, 1, 0x7FFFFFFF), (258, 3, 1, 8), (259, 3, 1, 1), (262, 3, 1, 1), (273, 4, 1, 8), (277, 3, 1, 1), (279, 4, 1, 100)])
files['tiff_strip_past_end.tif'] = tiff([(256, 4, 1, 16), (257, 4, 1, 16), (258, 3, 1, 8), (259, 3, 1, 1), (262, 3, 1, 1), (273, 4, 1, 0xFFFFFF), (277, 3, 1, 1), (279, 4, 1, 256)])
files['tiff_ifd_past_end.tif'] = b'II*\x00' + le32(0x7FFFFFF0)
files['tiff_bad_lzw.tif'] = tiff([(256, 4, 1, 16), (257, 4, 1, 16), (258, 3, 1, 8), (259, 3, 1, 5), (262, 3, 1, 1), (273, 4, 1, 8), (277, 3, 1, 1), (279, 4, 1, 16)])


def psd(width, height, channels=3, depth=8, mode=3, layers=b'', image=b''):
    h = b'8BPS' + be16(1) + b'\0' * 6 + be16(channels) + be32(height) + be32(width) + be16(depth) + be16(mode)
    return h + be32(0) + be32(0) + be32(len(layers)) + layers + image


files['psd_huge.psd'] = psd(300000, 300000, image=be16(0))
files['psd_truncated_raw.psd'] = psd(32, 32, image=be16(0) + b'\0' * 100)
files['psd_rle_past_row.psd'] = psd(4, 1, channels=3, image=be16(1) + be16(2) * 3 + b'\x7f\x00' * 3)
files['psd_zip.psd'] = psd(4, 4, image=be16(2) + b'\0' * 50)
layer_record = struct.pack('>iiii', 0, 0, 100000, 100000) + be16(3) + (struct.pack('>h', 0) + be32(2)) + (struct.pack('>h', 1) + be32(2)) + (struct.pack('>h', 2) + be32(2)) + b'8BIMnorm' + bytes([255, 0, 0, 0]) + be32(0)
layer_info = struct.pack('>h', 1) + layer_record + be16(0) * 3
files['psd_huge_layer.psd'] = psd(4, 4, layers=be32(len(layer_info)) + layer_info, image=be16(0) + b'\0' * 48)
files['psd_layer_count_lies.psd'] = psd(4, 4, layers=be32(6) + struct.pack('>h', 3000) + b'\0' * 4, image=be16(0) + b'\0' * 48)


def lyr(count, current, layer, version=1):
    return b'IXLAYERS' + le16(version) + le16(0) + le32(count) + le32(current) + layer


def lyr_layer(width, height, pixels=b'', alpha=b'', compression=1, has_alpha=0, blend=0, fmt=0, visible=1):
    d = struct.pack('<iiii', 0, 0, 0, 0) + bytes([visible, 0, blend, fmt]) + struct.pack('<i', 255) + struct.pack('<d', 0.0)
    d += struct.pack('<iiii', width, height, 96, 96) + bytes([has_alpha, compression]) + le16(0)
    return d + le32(len(pixels)) + le32(len(alpha)) + pixels + alpha


files['lyr_huge_layer.lyr'] = lyr(1, 0, lyr_layer(200000, 200000, pixels=le32(2) + b'\x81\x00'))
files['lyr_packed_bomb.lyr'] = lyr(1, 0, lyr_layer(10000, 10000, pixels=(le32(2) + b'\x81\x00') * 10))
files['lyr_raw_short.lyr'] = lyr(1, 0, lyr_layer(8, 8, pixels=b'\0' * 10, compression=0))
files['lyr_bad_blend.lyr'] = lyr(1, 0, lyr_layer(1, 1, pixels=b'\0' * 3, compression=0, blend=38))
files['lyr_count_lies.lyr'] = lyr(4000, 0, lyr_layer(1, 1, pixels=b'\0' * 3, compression=0))
files['lyr_current_out_of_range.lyr'] = lyr(1, 5, lyr_layer(1, 1, pixels=b'\0' * 3, compression=0))
files['lyr_future_version.lyr'] = lyr(1, 0, lyr_layer(1, 1, pixels=b'\0' * 3, compression=0), version=99)
files['lyr_truncated.lyr'] = lyr(2, 0, lyr_layer(4, 4, pixels=b'\0' * 48, compression=0))[:-20]
files['lyr_run_past_row.lyr'] = lyr(1, 0, lyr_layer(2, 1, pixels=le32(2) + b'\x80\x00'))

for name, data in files.items():
    (HERE / name).write_bytes(data)
print(f'{len(files)} files')
