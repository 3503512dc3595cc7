// The script the library injects into a page to count its XMLHttpRequest traffic. It replaces
// the page's XMLHttpRequest constructor with a wrapper that counts sent and finished requests
// while tracing is on, and defines XHRTracing(on), getPendingrequests(),
// getCompletedrequests() and getzavtracevalue() for the library to call. The text is fixed:
// test suites recognise it, so it must not change by a byte.
#ifndef NATIVE_HTML_GECKO_NSAJAXWRAPPERSCRIPT_H
#define NATIVE_HTML_GECKO_NSAJAXWRAPPERSCRIPT_H

// clang-format off
const char kNSAjaxWrapperScript[] =
    "var AXO;var zavtrace=0;var latestAXO=0;var ZAVpr=0;var cr=0;var origAXO;function XHRTracin"
    "g(trace){if(trace){if(!zavtrace){zavtrace=1;origAXO=XMLHttpRequest;window.XMLHttpRequest ="
    "KESTRIXZAVAJAXwrapper;}}else{if(zavtrace){window.XMLHttpRequest=origAXO;zavtrace=0;cr=0;}}"
    "};function getPendingrequests(){return ZAVpr;}function getCompletedrequests(){return cr;}f"
    "unction getzavtracevalue(){return zavtrace};var KESTRIXZAVAJAXwrapper=function(objectName)"
    "{var actualAXO;var self=this;if(objectName!=undefined&&!objectName.toLowerCase().match(/\\."
    "xmlhttp/)){return new origAXO(objectName);}this.requestBody=\"\";actualAXO=new origAXO(objec"
    "tName);var wrapperOpen=function(m,url,a,u,p){return actualAXO.open(m,url,a,u,p);};this.ope"
    "n=wrapperOpen;var wrapperSend=function(a){ZAVpr=ZAVpr+1;return actualAXO.send(a);};this.se"
    "nd=wrapperSend;wrapperGetResponseHeader=function(h){return actualAXO.getResponseHeader(h);"
    "};this.getResponseHeader=wrapperGetResponseHeader;"
    "var wrapperAbort=function(){return actualAXO.abort();};this.abort=wrapperAbort;var wrapper"
    "DispatchEvent=function(e){return actualAXO.dispatchEvent(e);};this.dispatchEvent=wrapperDi"
    "spatchEvent;var wrapperOpenRequest=function(m,u,a,us,p){return actualAXO.openRequest(m,u,a"
    ",us,p);};this.openRequest=wrapperOpenRequest;var wrapperMimeType=function(e){return actual"
    "AXO.overrideMimeType(e);};this.overrideMimeType=wrapperMimeType;var wrapperRemoveListener="
    "function(a,b,c){return actualAXO.removeEventListener(a,b,c);};this.removeEventListener=wra"
    "pperRemoveListener;var wrapperAddEventListener=function(a,b,c){return actualAXO.addEventLi"
    "stener(a,b,c);};this.addEventListener=wrapperAddEventListener;"
    "actualAXO.onerror=function(e){copyState();ZAVpr=ZAVpr-1;cr=cr+1;if(self.onerror != null&&t"
    "ypeof(self.onerror)==\"function\"){return self.onerror(e);}else if (self.onreadystatechange!"
    "=null&&typeof(self.onreadystatechange)==\"function\"){return self.onreadystatechange();}};ac"
    "tualAXO.onload=function(e){copyState();if(self.onload!=null&&typeof(self.onload)==\"functio"
    "n\"){return self.onload(e);}else if(self.onreadystatechange!=null&&typeof(self.onreadystate"
    "change)==\"function\"){return self.onreadystatechange();}};actualAXO.onprogress=function(e){"
    "copyState();if(self.onprogress!=null&&typeof(self.onprogress)==\"function\"){return self.onp"
    "rogress(e);}else if(self.onreadystatechange!=null&&typeof(self.onreadystatechange)==\"funct"
    "ion\"){return self.onreadystatechange();}};"
    "wrapperGetAllResponseHeaders=function(){return actualAXO.getAllResponseHeaders();};this.ge"
    "tAllResponseHeaders=wrapperGetAllResponseHeaders;var wrapperSetRequestHeader=function(h,v)"
    "{if(self.onsetrequestheader!=null&&typeof(self.onsetrequestheader)==\"function\"){self.onset"
    "requestheader(h,v);}self.requestHeaders+=h+\":\"+v+\"\\r\\n\";return actualAXO.setRequestHeader("
    "h,v);};this.setRequestHeader=wrapperSetRequestHeader;function copyState(){try{self.readySt"
    "ate=actualAXO.readyState;}catch(e){}try{self.status=actualAXO.status;}catch(e){}try{self.r"
    "esponseText=actualAXO.responseText;}catch(e){}try{self.statusText=actualAXO.statusText;}ca"
    "tch(e){}try{self.responseXML=actualAXO.responseXML;}catch(e){}}this.addEventListener=funct"
    "ion(a,b,c){return actualAXO.addEventListener(a,b,c);};actualAXO.onreadystatechange=functio"
    "n(){copyState();if(actualAXO.readyState==4){ZAVpr=ZAVpr-1;cr=cr+1;}if(self.onreadystatecha"
    "nge!=null&&typeof(self.onreadystatechange)==\"function\"){return self.onreadystatechange();}"
    "}}";
// clang-format on

#endif
