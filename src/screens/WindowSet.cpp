// SPDX-License-Identifier: MIT
#include "screens/WindowSet.h"

#include "app/Application.h"
#include "screens/InfoJazik.h"
#include "screens/InfoKomp.h"
#include "screens/InfoLogo.h"
#include "screens/InfoMenu.h"
#include "screens/InfoSprav.h"
#include "screens/InfoSreda.h"
#include "screens/InfoTop03.h"
#include "screens/InfoUtil.h"
#include "windows/InfoAbot.h"
#include "windows/InfoPict.h"
#include "windows/Ishod.h"
#include "windows/Karta.h"

namespace {

template <typename T>
std::pair<Application::WindowFactory, std::function<void()>> window(T*& reference, void (T::*onCreate)() = nullptr)
{
    return {[&reference]() -> Window* { return reference = new T(); },
            onCreate ? std::function<void()>([&reference, onCreate] { (reference->*onCreate)(); })
                     : std::function<void()>()};
}

} // namespace

void createWindowSet(Application& app)
{
    app.createWindows({
        window(Form1, &TForm1::FormCreate),
        window(Form2, &TForm2::FormCreate),
        window(Form5, &TForm5::FormCreate),
        window(AboutBox),
        window(Form35, &TForm35::FormCreate),
        window(AboutBox2),
        window(AboutBox1),
        window(AboutBox3),
        window<TForm36>(Form36, &TForm36::FormCreate),
        window<TForm37>(Form37, &TForm37::FormCreate),
        window<TForm38>(Form38, &TForm38::FormCreate),
        window(Form59, &TForm59::FormCreate),
    });
}
