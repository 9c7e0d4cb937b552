// The info bubble: one line of guidance at the top of the window.
#include "rules/number_text.h"
#include "window/jeu_yam.h"

namespace dravonelle {

void JeuYam::AfficheMessage() {
    if (MessageBulle.empty()) {
        Infos.setLeft(-300);
    } else {
        Infos.setLeft(210);
        // Longer texts take a smaller font and a lower top.
        const std::size_t n = textLength(MessageBulle);
        struct Step { std::size_t below; int top, size; };
        static constexpr Step kSteps[] = {{80, 15, 13}, {105, 30, 12}, {125, 45, 10}, {140, 60, 9}};
        int top = 90, size = 7;
        for (const Step& s : kSteps) {
            if (n < s.below) {
                top = s.top;
                size = s.size;
                break;
            }
        }
        Infos.setTop(top);
        Infos.setFontsize(size);
    }
    MessagePrécédent = MessageBulle;
    Infos.setCaption(MessageBulle);
}

void JeuYam::Bulle(Color zone) {
    bullesVues.note(MessageBulle);
    // The pointer moves all the time: the same text is never drawn twice.
    if (MessageBulle == MessagePrécédent) return;
    Infos.setBackcolor(zone);
    AfficheMessage();
}

}  // namespace dravonelle
