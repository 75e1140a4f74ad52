// The progress window of the rate download: a framed box without a caption, showing the
// animated picture "progressbar_blue3.gif" and "Trwa import kursów walut. Proszę czekać...".
// It is shown first; then the work runs on the calling thread while it stands, and it closes
// when the work is done. Nothing in it changes meanwhile, and it takes no input.
#pragma once

#include <functional>
#include <string_view>

namespace funkcja::ui {

// Shows the progress window under the procedure's name, runs work while it is shown and closes
// it. An exception from work is passed on after the window has closed.
void with_rates_progress(std::string_view procedure, const std::function<void()>& work);

}  // namespace funkcja::ui
