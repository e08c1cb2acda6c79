#include "qt/host/view_registry.h"

#include "qt/views/generic_view.h"

namespace zqf::qt {

void ViewRegistry::add(FormId form, ViewFactory factory, std::string_view main_button) {
    factories_.insert_or_assign(std::string(form_name(form)),
                                Entry{std::move(factory), std::string(main_button)});
}

bool ViewRegistry::has(FormId form) const {
    return factories_.find(form_name(form)) != factories_.end();
}

ViewParts ViewRegistry::build(const Form& form, QWidget& window) const {
    const auto it = factories_.find(form.name());
    if (it == factories_.end()) {
        return build_generic_view(form, window);
    }
    ViewParts parts = it->second.factory(form, window);
    if (parts.main_button.empty()) {
        parts.main_button = it->second.main_button;
    }
    return parts;
}

} // namespace zqf::qt
