#include "platform/browser_page.h"

#include <emscripten/val.h>

namespace ulvane {

using emscripten::val;

namespace {

void dispatch(const char *event, const val &detail)
{
    val init = val::object();
    init.set("detail", detail);
    val::global("window").call<void>("dispatchEvent", val::global("CustomEvent").new_(std::string(event), init));
}

val entries(const std::vector<RecordEntry> &record)
{
    val list = val::array();
    for (const auto &[name, text] : record) {
        val entry = val::array();
        entry.call<void>("push", name);
        entry.call<void>("push", text);
        list.call<void>("push", entry);
    }
    return list;
}

} // namespace

void tellPageWayIn(WayIn way)
{
    val detail = val::object();
    detail.set("way", std::string(way == WayIn::AccessCode ? "code" : "test"));
    dispatch("ulvane-way-in", detail);
}

void tellPageStudyShownResult(int study, int studies, const StudyRecord &record)
{
    val detail = val::object();
    detail.set("tab", study);
    detail.set("tabs", studies);
    detail.set("study", record.Study);
    detail.set("cable", record.Cable);
    detail.set("inputs", entries(record.Inputs));
    detail.set("shown", entries(record.Shown));
    dispatch("ulvane-result", detail);
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
