#include "built_in_templates.h"

using namespace Qt::StringLiterals;

namespace page {

QStringList builtInTemplate1Lines() {
    return {
        u"<%pos>"_s,
        u"<table width=%width bgcolor=%maincolor cellspacing=0 cellpadding=2><tr><td "
        u"bgcolor=%maincolor align=%pos>%title</td></tr></table><br>"_s,
        u"<table width=%width bgcolor=%maincolor cellspacing=0 cellpadding=2><tr><td><table "
        u"width=100% border=0 cellspacing=0 cellpadding=6><tr><td bgcolor=%maincolor "
        u"align=left>商品詳細</td></tr><tr><td bgcolor=%subcolor "
        u"align=left>%str1</td></tr></table></td></tr></table><br>"_s,
        u"<table width=%width bgcolor=%maincolor cellspacing=0 cellpadding=2><tr><td><table "
        u"width=100% border=0 cellspacing=0 cellpadding=6><tr><td bgcolor=%maincolor "
        u"align=left>支払詳細</td></tr><tr><td bgcolor=%subcolor "
        u"align=left>%str2<br>%str3</td></tr></table></td></tr></table><br>"_s,
        u"<table width=%width bgcolor=%maincolor cellspacing=0 cellpadding=2><tr><td><table "
        u"width=100% border=0 cellspacing=0 cellpadding=6><tr><td bgcolor=%maincolor "
        u"align=left>発送詳細</td></tr><tr><td bgcolor=%subcolor "
        u"align=left>%str4<br>%str5</td></tr></table></td></tr></table><br>"_s,
        // The last box has no <br> after it: nothing follows it on the page.
        u"<table width=%width bgcolor=%maincolor cellspacing=0 cellpadding=2><tr><td><table "
        u"width=100% border=0 cellspacing=0 cellpadding=6><tr><td bgcolor=%maincolor "
        u"align=left>注意事項</td></tr><tr><td bgcolor=%subcolor "
        u"align=left>%str6</td></tr></table></td></tr></table>"_s,
        u"</%pos>"_s,
    };
}

QStringList builtInTemplate2Lines() {
    return {
        u"<%pos>"_s,
        u"<table width=%width bgcolor=#ffffff cellspacing=1 cellpadding=5>"_s,
        u"<tr><td bgcolor=%maincolor colspan=2 align=%pos>%title</td></tr>"_s,
        u"<tr><td bgcolor=%maincolor align=center width=20%>商品詳細</td><td bgcolor=%subcolor "
        u"align=left>%str1</td></tr>"_s,
        u"<tr><td bgcolor=%maincolor align=center width=20%>支払詳細</td><td bgcolor=%subcolor "
        u"align=left>%str2<br>%str3</td></tr>"_s,
        u"<tr><td bgcolor=%maincolor align=center width=20%>発送詳細</td><td bgcolor=%subcolor "
        u"align=left>%str4<br>%str5</td></tr>"_s,
        u"<tr><td bgcolor=%maincolor align=center width=20%>注意事項</td><td bgcolor=%subcolor "
        u"align=left>%str6</td></tr>"_s,
        u"</table>"_s,
        u"</%pos>"_s,
    };
}

QStringList builtInTemplate3Lines() {
    return {
        u"<%pos>"_s,
        u"<table width=%width cellpadding=5>"_s,
        u"<tr><td bgcolor=%maincolor>%title</td></tr>"_s,
        u"<tr><td bgcolor=%maincolor>商品詳細</td></tr><tr><td bgcolor=%subcolor "
        u"align=left>%str1<br></td></tr>"_s,
        u"<tr><td bgcolor=%maincolor>支払詳細</td></tr><tr><td bgcolor=%subcolor "
        u"align=left>%str2<br>%str3</td></tr>"_s,
        u"<tr><td bgcolor=%maincolor>発送詳細</td></tr><tr><td bgcolor=%subcolor "
        u"align=left>%str4<br>%str5</td></tr>"_s,
        u"<tr><td bgcolor=%maincolor>注意事項</td></tr><tr><td bgcolor=%subcolor "
        u"align=left>%str6</td></tr>"_s,
        u"</table>"_s,
        u"</%pos>"_s,
    };
}

QStringList builtInTemplate4Lines() {
    // A page a phone shows without sideways scrolling: nothing wider than its container, text
    // in relative sizes, and the payment, shipping and notes boxes side by side only where
    // they fit. The style stays within the page's own class names. The file is read as
    // comma-separated pieces, so the style holds no comma.
    return {
        u"<%pos>"_s,
        u"<style>"
        u".t4{box-sizing:border-box;width:%width;max-width:100%;margin:0;text-align:left;"
        u"line-height:1.6;overflow-wrap:anywhere}"
        u".t4 *{box-sizing:border-box;max-width:100%}"
        u".t4 img{height:auto;overflow:hidden}"
        u".t4 table{max-width:100%}"
        u".t4-title{background:%maincolor;padding:0.5em 0.75em;font-size:1.2em;margin:0 0 0.75em}"
        u".t4-box{border:0.15em solid %maincolor;margin:0 0 0.75em}"
        u".t4-head{background:%maincolor;padding:0.4em 0.75em}"
        u".t4-text{background:%subcolor;padding:0.5em 0.75em}"
        u".t4-row{display:flex;flex-wrap:wrap;gap:0 0.75em}"
        u".t4-row>.t4-box{flex:1 1 12em;min-width:0}"
        u"</style>"_s,
        u"<div class=t4>"_s,
        u"<div class=t4-title>%title</div>"_s,
        u"<div class=t4-box><div class=t4-head>商品詳細</div><div class=t4-text>%str1</div></div>"_s,
        u"<div class=t4-row>"_s,
        u"<div class=t4-box><div class=t4-head>支払詳細</div><div "
        u"class=t4-text>%str2<br>%str3</div></div>"_s,
        u"<div class=t4-box><div class=t4-head>発送詳細</div><div "
        u"class=t4-text>%str4<br>%str5</div></div>"_s,
        // Hidden notes empty this whole line, box and all.
        u"<div class=t4-box><div class=t4-head>注意事項</div><div class=t4-text>%str6</div></div>"_s,
        u"</div>"_s,
        u"</div>"_s,
        u"</%pos>"_s,
    };
}

} // namespace page
