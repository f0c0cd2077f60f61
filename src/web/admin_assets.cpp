#include "web/admin_assets.h"

const std::string& AdminStyleSheet() {
    // The published pages' look, with forms that a thumb can use on a phone.
    static const std::string sheet = R"(*{box-sizing:border-box}
body{font-family:system-ui,-apple-system,"Segoe UI",Roboto,sans-serif;margin:0;background:#f6f7f9;color:#1d2330;line-height:1.4}
nav{display:flex;flex-wrap:wrap;gap:.25rem .9rem;align-items:center;padding:.6rem 1rem;background:#1d2330}
nav a{color:#fff;text-decoration:none}nav a[aria-current=page]{text-decoration:underline}
nav form{margin-left:auto}
main{max-width:60rem;margin:0 auto;padding:1rem}
h1{font-size:1.5rem;margin:0 0 .75rem}h2{font-size:1.15rem;margin:1.25rem 0 .5rem}
a{color:#1f5fbf}
form{margin:0}
fieldset{border:1px solid #d5d9e0;background:#fff;margin:0 0 1rem;padding:.5rem 1rem 1rem}
label{display:block;margin:.6rem 0 .2rem}
input[type=text],input[type=password],select{font:inherit;width:100%;max-width:24rem;padding:.45rem;border:1px solid #a9b1bf;border-radius:3px;background:#fff}
input[type=checkbox],input[type=radio]{width:1.2rem;height:1.2rem;vertical-align:middle;margin-right:.4rem}
.choice label,.check{display:flex;align-items:center}
button{font:inherit;padding:.5rem 1rem;border:0;border-radius:3px;background:#1f5fbf;color:#fff;cursor:pointer;min-height:2.5rem}
nav button{background:#4a5568;min-height:0;padding:.3rem .7rem}
.problem{color:#9b1c1c;font-weight:600}
[aria-invalid=true]{border-color:#9b1c1c;outline:2px solid #9b1c1c}
.note{color:#4a5568}
.login{max-width:24rem;margin-top:3rem}
@media (max-width:40rem){main{padding:.5rem}nav{padding:.5rem}}
)";
    return sheet;
}
