/* ixcanvas/headless.h: the headless window system of libixcanvas.so, in plain C.
 *
 * On Linux the plug-in runs without a real window system. A host (the reference host, a
 * test) uses these functions to do what Windows does for it: create host windows and get
 * their handles (the decimal text a host answers for an object's window), resize, show,
 * enable and destroy them, send them messages (the canvas's control message is 1274),
 * inject mouse input, render windows to RGBA, answer modal dialogs, message boxes and the
 * colour and file dialogs through drivers, and look into the in-memory clipboard.
 *
 * Conventions: every text is Windows-1251, zero-terminated. Functions that fill a buffer
 * write at most size - 1 bytes plus a terminator and return the full length of the answer
 * (call with size 0 to learn it), or -1 on failure. Other functions return 1 for success
 * and 0 for failure unless stated otherwise. No function throws, aborts or keeps a
 * pointer it was given beyond the call (except a driver's context, kept until replaced).
 * Everything must be called on one thread, the one that calls the plug-in.
 */
#ifndef IXCANVAS_HEADLESS_H
#define IXCANVAS_HEADLESS_H

#include <stddef.h>
#include <stdint.h>

#if defined(__GNUC__)
#define IXH_API __attribute__((visibility("default")))
#else
#define IXH_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef int64_t ixh_window;          /* 0 is no window */
typedef uint64_t ixh_dc;             /* device context for message 1274 code 5; 0 is none */
typedef struct ixh_form_s* ixh_form; /* a modal form, valid during its driver call only */

/* ---- process ----------------------------------------------------------------------- */
/* Destroys every window and device context, removes all drivers, empties the clipboard
 * and makes it available again, clears the message-box and web-address logs. */
IXH_API int ixh_reset(void);

/* ---- windows ------------------------------------------------------------------------ */
/* A window of the given client size at (left, top) of its parent (0: top-level). */
IXH_API ixh_window ixh_window_create(ixh_window parent, int left, int top, int width, int height);
IXH_API int ixh_window_destroy(ixh_window w);
IXH_API int ixh_window_exists(ixh_window w);
IXH_API int ixh_window_set_bounds(ixh_window w, int left, int top, int width, int height);
IXH_API int ixh_window_bounds(ixh_window w, int* left, int* top, int* width, int* height);
IXH_API int ixh_window_client_size(ixh_window w, int* width, int* height);
IXH_API int ixh_window_show(ixh_window w, int visible);
IXH_API int ixh_window_enable(ixh_window w, int enabled);
IXH_API int ixh_window_is_visible(ixh_window w); /* 1, 0; -1 for an unknown window */
IXH_API int ixh_window_is_enabled(ixh_window w);
IXH_API int ixh_window_set_color(ixh_window w, uint32_t rgb); /* R + 256 G + 65536 B */
IXH_API ixh_window ixh_window_parent(ixh_window w);
IXH_API int ixh_window_child_count(ixh_window w); /* -1 for an unknown window */
IXH_API ixh_window ixh_window_child(ixh_window w, int index); /* 0 = bottom of z-order */
IXH_API int ixh_window_caption(ixh_window w, char* buffer, size_t size);
/* The handle as the decimal text a host's object-window query answers. */
IXH_API int ixh_window_handle_text(ixh_window w, char* buffer, size_t size);
/* Sends a message and gives its result in *result (may be null); 0 for an unknown window. */
IXH_API int ixh_window_send_message(ixh_window w, uint32_t message, uint64_t wparam, int64_t lparam,
                                    int64_t* result);

/* ---- mouse (client coordinates of w; input goes to the window under the point) ------ */
#define IXH_BUTTON_LEFT 0
#define IXH_BUTTON_RIGHT 1
#define IXH_BUTTON_MIDDLE 2
IXH_API int ixh_mouse_down(ixh_window w, int button, int x, int y);
IXH_API int ixh_mouse_move(ixh_window w, int x, int y);
IXH_API int ixh_mouse_up(ixh_window w, int button, int x, int y);
IXH_API int ixh_mouse_click(ixh_window w, int button, int x, int y);
IXH_API int ixh_mouse_double_click(ixh_window w, int x, int y);
/* The cursor id shown now (standard cursors are negative, 0 default). */
IXH_API int ixh_current_cursor(void);

/* ---- pixels --------------------------------------------------------------------------- */
/* The window with its visible children into `rgba` (R, G, B, A bytes, rows top-down,
 * width * 4 bytes each); size must be at least width * height * 4 of its client size. */
IXH_API int ixh_window_render_rgba(ixh_window w, unsigned char* rgba, size_t size);
IXH_API ixh_dc ixh_dc_create(int width, int height); /* filled white */
IXH_API int ixh_dc_read_rgba(ixh_dc dc, unsigned char* rgba, size_t size);
IXH_API int ixh_dc_size(ixh_dc dc, int* width, int* height);
IXH_API int ixh_dc_destroy(ixh_dc dc);

/* ---- modal forms ---------------------------------------------------------------------- */
/* Return values of a modal driver. IXH_MODAL_FROM_FORM takes the result the pressed
 * button left on the form (Cancel when none). Without a driver a modal form returns
 * Cancel at once. */
#define IXH_MODAL_FROM_FORM 0
#define IXH_MODAL_OK 1
#define IXH_MODAL_CANCEL 2
#define IXH_MODAL_CLOSE 8
typedef int (*ixh_modal_driver)(void* context, ixh_form form);
IXH_API int ixh_set_modal_driver(ixh_modal_driver driver, void* context); /* null removes */

/* Reading and changing the form's controls by name (the form itself by its own name or
 * ""). Property names are listed in docs/architecture.md: text, caption, label, visible,
 * enabled, left, top, width, height, items, itemindex, value, min, max, maxlength, ... */
IXH_API int ixh_form_class(ixh_form form, char* buffer, size_t size);
IXH_API int ixh_form_control_count(ixh_form form);
IXH_API int ixh_form_control_name(ixh_form form, int index, char* buffer, size_t size);
IXH_API int ixh_form_get(ixh_form form, const char* control, const char* property, char* buffer, size_t size);
IXH_API int ixh_form_set(ixh_form form, const char* control, const char* property, const char* value);
/* Presses a button, speed button or any clickable control (a visible, enabled one). */
IXH_API int ixh_form_press(ixh_form form, const char* control);
#define IXH_KEY_ENTER 13
#define IXH_KEY_ESCAPE 27
IXH_API int ixh_form_key(ixh_form form, int key);
IXH_API int ixh_form_render_rgba(ixh_form form, unsigned char* rgba, size_t size, int* width, int* height);

/* ---- message boxes and system dialogs -------------------------------------------------- */
#define IXH_MB_OK 1
#define IXH_MB_CANCEL 2
#define IXH_MB_YES 6
#define IXH_MB_NO 7
/* kind: 0 information, 1 warning, 2 error, 3 question; buttons: 0 OK, 1 OK/Cancel, 2 Yes/No,
 * 3 Yes/No/Cancel. Returns an IXH_MB_ answer. Without a driver the first button answers. */
typedef int (*ixh_message_box_driver)(void* context, const char* text, const char* caption, int kind, int buttons);
IXH_API int ixh_set_message_box_driver(ixh_message_box_driver driver, void* context);
/* Message boxes shown so far (the last 64), oldest first. */
IXH_API int ixh_message_box_count(void);
IXH_API int ixh_message_box_text(int index, char* buffer, size_t size);

/* Colour dialog: return 1 and set *chosen (R + 256 G + 65536 B) to confirm, 0 to cancel. */
typedef int (*ixh_color_driver)(void* context, uint32_t initial, uint32_t* chosen);
IXH_API int ixh_set_color_driver(ixh_color_driver driver, void* context);

/* File dialogs: kind 0 open, 1 save. Return 1 to confirm after writing the chosen name
 * (zero-terminated, at most file_name_size bytes) and the chosen 1-based filter index;
 * 0 to cancel. Without a driver every dialog is cancelled. */
typedef struct ixh_file_request {
    int kind;
    const char* title;
    const char* initial_dir;
    const char* file_name;
    const char* filter; /* "description|patterns|..." */
    int filter_index;
    int preview;
    int always_animate;
} ixh_file_request;
typedef int (*ixh_file_driver)(void* context, const ixh_file_request* request, char* file_name,
                               size_t file_name_size, int* filter_index);
IXH_API int ixh_set_file_driver(ixh_file_driver driver, void* context);

/* Web addresses the plug-in asked to open (the last 64), oldest first. */
IXH_API int ixh_opened_url_count(void);
IXH_API int ixh_opened_url(int index, char* buffer, size_t size);

/* ---- clipboard ------------------------------------------------------------------------ */
/* Formats are named: "CF_DIB", "CF_ENHMETAFILE", "CF_BITMAP", "CF_TEXT", "CF_DIBV5" or any
 * registered name (such as "PNG"). An unavailable clipboard cannot be opened by the
 * plug-in, as when another program holds it. */
IXH_API int ixh_clipboard_set_available(int available);
IXH_API int ixh_clipboard_clear(void);
IXH_API int ixh_clipboard_format_count(void);
IXH_API int ixh_clipboard_format_name(int index, char* buffer, size_t size);
/* Copies the data of a format; returns its full size, -1 when absent. */
IXH_API int64_t ixh_clipboard_get(const char* format, unsigned char* buffer, size_t size);
IXH_API int ixh_clipboard_set(const char* format, const unsigned char* data, size_t size);

#ifdef __cplusplus
}
#endif

#endif
