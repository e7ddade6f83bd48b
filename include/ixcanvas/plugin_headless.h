/* Headless hooks of the Linux plug-in for hosts and tests that have no screen: the modal
 * message boxes the plug-in shows come to a driver instead. Without a driver a message box
 * is closed at once, as if OK had been pressed.
 */
#ifndef IXCANVAS_PLUGIN_HEADLESS_H
#define IXCANVAS_PLUGIN_HEADLESS_H

#ifdef __cplusplus
extern "C" {
#endif

/* Called once per message box with its Windows-1251 text; returning closes the box. */
typedef void (*IxMessageBoxDriver)(const char* text, void* context);

/* Installs `driver` (null removes it). */
void ixPluginSetMessageBoxDriver(IxMessageBoxDriver driver, void* context);

#ifdef __cplusplus
}
#endif

#endif
