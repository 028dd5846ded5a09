#include "platform/browser_page.h"

#include <emscripten/val.h>

namespace ulvane {

using emscripten::val;

void tellPageStudyShownResult(int study, int studies)
{
    val detail = val::object();
    detail.set("tab", study);
    detail.set("tabs", studies);
    val init = val::object();
    init.set("detail", detail);
    val::global("window").call<void>("dispatchEvent",
                                     val::global("CustomEvent").new_(std::string("ulvane-result"), init));
}

void tellPageWorkFinished()
{
    val::global("window").call<void>("dispatchEvent", val::global("Event").new_(std::string("ulvane-finished")));
}

void addWindowStyle(const std::string &css)
{
    const val document = val::global("document");
    const val screens = val::module_property("qtContainerElements");
    for (int i = 0; i < screens["length"].as<int>(); ++i) {
        const val host = screens[i].call<val>("querySelector", std::string("#qt-shadow-container"));
        if (host.isNull() || host["shadowRoot"].isNull())
            continue;
        val style = document.call<val>("createElement", std::string("style"));
        style.set("textContent", css);
        host["shadowRoot"].call<void>("appendChild", style);
    }
}

} // namespace ulvane
