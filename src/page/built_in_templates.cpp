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

} // namespace page
