// What an operation of the command client ended with, as a short text the
// tests can compare: its result, or the error it threw.
#pragma once

#include "framework/Portable.h"

#include "app/G7KClientException.h"
#include "instrument/GFCommException.h"

#include <string>

template <class F>
std::string Outcome(F operation)
{
    try {
        return operation();
    } catch (GFCommException& e) {
        return "link " + std::to_string(e.GetErrorCode());
    } catch (G7KClientException& e) {
        return "instrument '" + std::string(e.GetReply()) + "'";
    } catch (G7KException& e) {
        return "error " + std::to_string(e.GetErrorCode());
    }
}
