// The threads that FILEDIALOGBOX_WATEK starts are joined when the library unloads; a host or a
// test that needs the dialogs finished earlier waits for them here.
#pragma once

namespace funkcja::ui {

void join_folder_threads();

}  // namespace funkcja::ui
